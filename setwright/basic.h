// The emitters: each turns one entry of full_conf into its one line of C
// header text for the simulator (mode 0) or the board (mode 1) header.
#pragma once

#include <string>

#include "mac_obj.h"

namespace setwright {

// Appends `obj`'s line for `mode` to `line` according to its kind; nothing when the entry has
// no value for the mode (except MAC_KIND_EMPTY, which needs none). Always returns 0.
int mac_code_gen(const mac_obj_t& obj, std::string& line, int mode);

// Appends "#define NAME (VALUEU * 1024U)": a memory size given in KiB. Returns 1, appending
// nothing, when the entry has no value for the mode.
int mem_size_gen(const mac_obj_t& obj, std::string& line, int mode);

}  // namespace setwright
