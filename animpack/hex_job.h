// The conversion request that animpack's command line hands to its writer.
#pragma once

#include <cstdint>

#include "names.h"

namespace animpack {

// out_path, var_name and attr_name as the shared name rules build them, plus the element count.
// Filled once before the writer runs and only read afterwards.
struct HexJob : lvforge::OutputNames {
    // Number of array elements: the input's length in bytes plus the trailing zero. 64-bit so
    // that inputs of 2 GiB and more are counted correctly.
    std::uint64_t array_size = 0;
};

}  // namespace animpack
