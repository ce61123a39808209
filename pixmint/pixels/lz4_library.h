// liblz4, loaded only by the runs that compress with --compress lz4: linked,
// it would be loaded by every run for the few that ask for it.
#pragma once

#include <lz4hc.h>

namespace pixmint {

// The liblz4 call the LZ4 route makes, resolved from the loaded library.
struct Lz4Library {
    decltype(&::LZ4_compress_HC) compress_hc;
};

// The loaded library, or null when it or its call can't be found. Loads it once.
const Lz4Library* lz4_library();

}  // namespace pixmint
