#include "pixmint/pixels/lz4_library.h"

#include <dlfcn.h>

namespace pixmint {

namespace {

// The soname of the library Debian's liblz4-1 ships.
constexpr const char* kSoname = "liblz4.so.1";

bool load(Lz4Library& l) {
    // The library stays loaded for the rest of the run.
    void* lib = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
    l.compress_hc = reinterpret_cast<decltype(l.compress_hc)>(::dlsym(lib, "LZ4_compress_HC"));
    return l.compress_hc != nullptr;
}

}  // namespace

const Lz4Library* lz4_library() {
    static Lz4Library library{};
    static const bool loaded = load(library);
    return loaded ? &library : nullptr;
}

}  // namespace pixmint
