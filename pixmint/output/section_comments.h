// The comment line that opens each section of a true-colour map array, per colour format
// (the descriptor's constant lives in the format table of formats.h).
#pragma once

#include "pixmint/pixels/formats.h"

namespace pixmint {

// Texts of one colour format.
struct SectionComments {
    const char* comment_8bit;        // comment line opening the 8-bit section
    const char* comment_16bit;       // ... the 16-bit section
    const char* comment_16bit_swap;  // ... the 16-bit swapped section
    const char* comment_32bit;       // ... the 32-bit section
};

// The texts of `format`, which must be one of the three true-colour formats.
const SectionComments& section_comments(ColorFormat format);

}  // namespace pixmint
