// Every colour format -f can name: its word, its family, its bits per
// pixel and LVGL's constant for it.
#pragma once

#include <optional>

#include "pixmint/cli/command_line.h"

namespace pixmint {

// How a format stores its pixels.
enum class FormatFamily {
    true_color,  // one section per colour depth
    indexed,     // a palette and n-bit indices
    alpha,       // n-bit alpha only; LVGL recolours it at run time
    raw,         // the input file's bytes, for a decoder registered at run time
};

// The format -f `word` names (exact, case-sensitive), or nullopt.
std::optional<ColorFormat> format_of_word(const char* word);
// The family of `format`.
FormatFamily family_of(ColorFormat format);
// Bits per pixel of an indexed or alpha format (1, 2, 4 or 8); 0 for the others.
int bits_of(ColorFormat format);
// LVGL's lv_img_cf_t value of `format` (LV_IMG_CF_RAW is 1 ... LV_IMG_CF_ALPHA_8BIT 14).
unsigned cf_value(ColorFormat format);
// LVGL's constant for `format`, as the descriptor names it.
const char* cf_constant(ColorFormat format);

}  // namespace pixmint
