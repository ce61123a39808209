// The words pixmint works in: the colour formats -f can name (with each one's word, family,
// bits per pixel and LVGL constant), the colour depths and the kinds of input.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

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
    // Formats that v7 has no word for (rgb565a8 is v8's and v9's, the others v9's alone).
    l8,        // 8-bit luminance
    al88,      // luminance and alpha, a byte each
    rgb565,    // 16-bit colour
    rgb565a8,  // 16-bit colours, then a plane of alpha bytes
    argb8565,  // 16-bit colour and an alpha byte
    rgb888,    // blue, green, red
    xrgb8888,  // blue, green, red and an unused byte (0xff)
    argb8888,  // blue, green, red, alpha
};

// Colour depths selectable with -d; the value is the number printed in the depth line.
enum class Depth { all = 0, bits8 = 8, bits16 = 16, bits24 = 24 };

// The LVGL release whose image layout is written: v7 and v8 share the lv_img_dsc_t layout
// (v8 adds formats and draws indexed images and translucency its own way); v9 has its own.
enum class LvglVersion { v7 = 7, v8 = 8, v9 = 9 };

// How a v9 image's data block is compressed (the values are v9's lv_image_compress_t).
enum class Compression { none = 0, rle = 1, lz4 = 2 };

// Kinds of input, recognised from the image path.
enum class ImageKind { png, bmp, jpg, gif, svg };

// How a format stores its pixels.
enum class FormatFamily {
    true_color,   // one section per colour depth
    indexed,      // a palette and n-bit indices
    alpha,        // n-bit alpha only; LVGL recolours it at run time
    raw,          // the input file's bytes, for a decoder registered at run time
    alpha_plane,  // 16-bit RGB 5-6-5 colours, then one alpha byte a pixel in a plane of its own
    direct,       // v9: every pixel in the format's own layout, one block
};

// Whether -f `word` (exact, case-sensitive) names a format in any LVGL release.
bool is_format_word(const char* word);
// The format -f `word` names in LVGL release `version`, or nullopt when that release lacks it.
std::optional<ColorFormat> format_of_word(const char* word, LvglVersion version);
// Every -f word LVGL release `version` accepts, in the order of the format table.
std::vector<std::string_view> format_words(LvglVersion version);
// The first -f word of `format` (the one v7 knows it by, when it does).
const char* word_of(ColorFormat format);
// Whether LVGL release `lvgl` has `format` under one of its words.
bool in_release(ColorFormat format, LvglVersion lvgl);
// The family of `format`.
FormatFamily family_of(ColorFormat format);
// Bits per pixel of a one-block format: 1, 2, 4 or 8 for indexed and alpha formats, 8 to 32 for
// v9's direct formats (16 for rgb565a8, whose alpha plane follows); 0 for the others and for a
// format settled on the image.
int bits_of(ColorFormat format);
// True for a format whose bits per pixel are settled on the image (indexed-auto): it must be
// replaced by the format it settles on before anything is written.
bool settled_on_image(ColorFormat format);
// The format of `family` with `bits` bits per pixel (1, 2, 4 or 8), or nullopt.
std::optional<ColorFormat> format_with_bits(FormatFamily family, int bits);
// LVGL v7's (and v8's) lv_img_cf_t value of `format` (LV_IMG_CF_RAW is 1 ... LV_IMG_CF_ALPHA_8BIT
// 14, LV_IMG_CF_RGB565A8 20); 0 when neither has it.
unsigned cf_value(ColorFormat format);
// LVGL v7's (and v8's) constant for `format`, as the descriptor names it; "" when neither has it.
const char* cf_constant(ColorFormat format);
// LVGL v9's constant for `format` (LV_COLOR_FORMAT_...), "" when v9 lacks it.
const char* cf_constant_v9(ColorFormat format);
// LVGL v9's lv_color_format_t value of `format`; 0 (LV_COLOR_FORMAT_UNKNOWN) when v9 lacks it.
unsigned cf_value_v9(ColorFormat format);

}  // namespace pixmint
