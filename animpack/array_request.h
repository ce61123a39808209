// The conversion request that animpack's top level hands to its writer.
#pragma once

#include "common/banner_year.h"
#include "common/names.h"

namespace animpack {

struct ArrayRequest {
    lvforge::OutputNames names;       // out_path, var_name and attr_name as the shared name rules build them
    lvforge::BannerYear banner_year;  // year in the banner; none leaves the head out
};

}  // namespace animpack
