#include "pixmint/pixels/lz4_library.h"

#include "pixmint/pixels/run_time_library.h"

namespace pixmint {

namespace {

// The soname of the library Debian's liblz4-1 ships.
constexpr const char* kSoname = "liblz4.so.1";

bool fill(void* lib, Lz4Library& l) {
    return resolve(lib, "LZ4_compress_HC", l.compress_hc);
}

}  // namespace

const Lz4Library* lz4_library() {
    return load_once<Lz4Library>(kSoname, fill);
}

}  // namespace pixmint
