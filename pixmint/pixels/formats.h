// The words pixmint works in: the colour formats -f can name (with each one's word, family,
// bits per pixel and LVGL constant), the colour depths and the kinds of input.
#pragma once

#include <optional>

namespace pixmint {

// Colour formats selectable with -f (the table in formats.cpp has their words and LVGL constants).
enum class ColorFormat {
    true_color,
    true_color_alpha,
    true_color_chroma_keyed,
    indexed_1,
    indexed_2,
    indexed_4,
    indexed_8,
    indexed_auto,  // the smallest indexed format that holds the image exactly, settled on the image
    alpha_1,
    alpha_2,
    alpha_4,
    alpha_8,
    raw,
    raw_alpha,
    raw_chroma_keyed,
};

// Colour depths selectable with -d; the value is the number printed in the depth line.
enum class Depth { all = 0, bits8 = 8, bits16 = 16, bits24 = 24 };

// The LVGL release whose image layout is written: v7 and v8 share the lv_img_dsc_t layout
// (v8 adds formats and draws indexed images and translucency its own way); v9 has its own.
enum class LvglVersion { v7 = 7, v8 = 8, v9 = 9 };

// Kinds of input, recognised from the image path.
enum class ImageKind { png, bmp, jpg, gif, svg };

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
// Bits per pixel of an indexed or alpha format (1, 2, 4 or 8); 0 for the others and for a format
// settled on the image.
int bits_of(ColorFormat format);
// True for a format whose bits per pixel are settled on the image (indexed-auto): it must be
// replaced by the format it settles on before anything is written.
bool settled_on_image(ColorFormat format);
// The format of `family` with `bits` bits per pixel (1, 2, 4 or 8), or nullopt.
std::optional<ColorFormat> format_with_bits(FormatFamily family, int bits);
// The -f word of `format`, as messages name it.
const char* word_of(ColorFormat format);
// LVGL's lv_img_cf_t value of `format` (LV_IMG_CF_RAW is 1 ... LV_IMG_CF_ALPHA_8BIT 14).
unsigned cf_value(ColorFormat format);
// LVGL's constant for `format`, as the descriptor names it.
const char* cf_constant(ColorFormat format);

}  // namespace pixmint
