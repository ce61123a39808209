// The colour-format table: descriptor constant and section comments per cf.
#pragma once

#include "command_line.h"

namespace pixmint {

// Texts of one colour format.
struct CfInfo {
    const char* cf_name;             // LVGL colour-format constant for the descriptor
    const char* comment_8bit;        // comment line opening the 8-bit section
    const char* comment_16bit;       // ... the 16-bit section
    const char* comment_16bit_swap;  // ... the 16-bit swapped section
    const char* comment_32bit;       // ... the 32-bit section
};

// The texts of `format`.
const CfInfo& cf_info(ColorFormat format);

}  // namespace pixmint
