#include "pixmint/pixels/formats.h"

#include <cstring>

namespace pixmint {

namespace {

// The LVGL releases a row belongs to, one bit each.
constexpr unsigned kInV7 = 1u << 7, kInV8 = 1u << 8, kInV9 = 1u << 9;
constexpr unsigned kAll = kInV7 | kInV8 | kInV9;

// One -f word: the format it names, the releases whose -f accepts it, the format's family and
// bits, and its value and constant in v7/v8's lv_img_cf_t and in v9's lv_color_format_t (0 and
// null where that layout lacks the format). A format named by several words repeats its
// properties on each row; the first row of a format is the one word_of gives.
struct FormatRow {
    ColorFormat format;
    const char* word;
    unsigned releases;
    FormatFamily family;
    int bits;               // bits per pixel of the one block (0: per colour depth, the file, or settled)
    unsigned cf;            // lv_img_cf_t value (v7, v8)
    const char* constant;   // LV_IMG_CF_... (v7, v8)
    unsigned cf9;           // lv_color_format_t value (v9)
    const char* constant9;  // LV_COLOR_FORMAT_... (v9)
};

using F = ColorFormat;
using Fam = FormatFamily;

constexpr FormatRow kFormats[] = {
    {F::true_color, "true-color", kInV7 | kInV8, Fam::true_color, 0, 4, "LV_IMG_CF_TRUE_COLOR", 0, nullptr},
    {F::true_color_alpha, "true-color-alpha", kInV7 | kInV8, Fam::true_color, 0, 5,
     "LV_IMG_CF_TRUE_COLOR_ALPHA", 0, nullptr},
    {F::true_color_chroma_keyed, "true-color-chroma-keyed", kInV7 | kInV8, Fam::true_color, 0, 6,
     "LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED", 0, nullptr},
    {F::indexed_1, "indexed-1", kAll, Fam::indexed, 1, 7, "LV_IMG_CF_INDEXED_1BIT", 0x07,
     "LV_COLOR_FORMAT_I1"},
    {F::indexed_2, "indexed-2", kAll, Fam::indexed, 2, 8, "LV_IMG_CF_INDEXED_2BIT", 0x08,
     "LV_COLOR_FORMAT_I2"},
    {F::indexed_4, "indexed-4", kAll, Fam::indexed, 4, 9, "LV_IMG_CF_INDEXED_4BIT", 0x09,
     "LV_COLOR_FORMAT_I4"},
    {F::indexed_8, "indexed-8", kAll, Fam::indexed, 8, 10, "LV_IMG_CF_INDEXED_8BIT", 0x0A,
     "LV_COLOR_FORMAT_I8"},
    // Settled on the image (to one of the four above) before anything is written; each layout's
    // "unknown" should it ever leak out.
    {F::indexed_auto, "indexed-auto", kAll, Fam::indexed, 0, 0, "LV_IMG_CF_UNKNOWN", 0x00,
     "LV_COLOR_FORMAT_UNKNOWN"},
    {F::alpha_1, "alpha-1", kAll, Fam::alpha, 1, 11, "LV_IMG_CF_ALPHA_1BIT", 0x0B, "LV_COLOR_FORMAT_A1"},
    {F::alpha_2, "alpha-2", kAll, Fam::alpha, 2, 12, "LV_IMG_CF_ALPHA_2BIT", 0x0C, "LV_COLOR_FORMAT_A2"},
    {F::alpha_4, "alpha-4", kAll, Fam::alpha, 4, 13, "LV_IMG_CF_ALPHA_4BIT", 0x0D, "LV_COLOR_FORMAT_A4"},
    {F::alpha_8, "alpha-8", kAll, Fam::alpha, 8, 14, "LV_IMG_CF_ALPHA_8BIT", 0x0E, "LV_COLOR_FORMAT_A8"},
    {F::raw, "raw", kAll, Fam::raw, 0, 1, "LV_IMG_CF_RAW", 0x01, "LV_COLOR_FORMAT_RAW"},
    {F::raw_alpha, "raw-alpha", kAll, Fam::raw, 0, 2, "LV_IMG_CF_RAW_ALPHA", 0x02,
     "LV_COLOR_FORMAT_RAW_ALPHA"},
    {F::raw_chroma_keyed, "raw-chroma-keyed", kInV7 | kInV8, Fam::raw, 0, 3, "LV_IMG_CF_RAW_CHROMA_KEYED", 0,
     nullptr},
    // Two planes: the colours (as lv_color_t at LV_COLOR_DEPTH 16 in v8, little-endian RGB565 in
    // v9), then one alpha byte a pixel.
    {F::rgb565a8, "rgb565a8", kInV8 | kInV9, Fam::alpha_plane, 16, 20, "LV_IMG_CF_RGB565A8", 0x14,
     "LV_COLOR_FORMAT_RGB565A8"},
    // v9's own words.
    {F::indexed_1, "i1", kInV9, Fam::indexed, 1, 7, "LV_IMG_CF_INDEXED_1BIT", 0x07, "LV_COLOR_FORMAT_I1"},
    {F::indexed_2, "i2", kInV9, Fam::indexed, 2, 8, "LV_IMG_CF_INDEXED_2BIT", 0x08, "LV_COLOR_FORMAT_I2"},
    {F::indexed_4, "i4", kInV9, Fam::indexed, 4, 9, "LV_IMG_CF_INDEXED_4BIT", 0x09, "LV_COLOR_FORMAT_I4"},
    {F::indexed_8, "i8", kInV9, Fam::indexed, 8, 10, "LV_IMG_CF_INDEXED_8BIT", 0x0A, "LV_COLOR_FORMAT_I8"},
    {F::alpha_1, "a1", kInV9, Fam::alpha, 1, 11, "LV_IMG_CF_ALPHA_1BIT", 0x0B, "LV_COLOR_FORMAT_A1"},
    {F::alpha_2, "a2", kInV9, Fam::alpha, 2, 12, "LV_IMG_CF_ALPHA_2BIT", 0x0C, "LV_COLOR_FORMAT_A2"},
    {F::alpha_4, "a4", kInV9, Fam::alpha, 4, 13, "LV_IMG_CF_ALPHA_4BIT", 0x0D, "LV_COLOR_FORMAT_A4"},
    {F::alpha_8, "a8", kInV9, Fam::alpha, 8, 14, "LV_IMG_CF_ALPHA_8BIT", 0x0E, "LV_COLOR_FORMAT_A8"},
    {F::l8, "l8", kInV9, Fam::direct, 8, 0, nullptr, 0x06, "LV_COLOR_FORMAT_L8"},
    {F::al88, "al88", kInV9, Fam::direct, 16, 0, nullptr, 0x15, "LV_COLOR_FORMAT_AL88"},
    {F::rgb565, "rgb565", kInV9, Fam::direct, 16, 0, nullptr, 0x12, "LV_COLOR_FORMAT_RGB565"},
    {F::argb8565, "argb8565", kInV9, Fam::direct, 24, 0, nullptr, 0x13, "LV_COLOR_FORMAT_ARGB8565"},
    {F::rgb888, "rgb888", kInV9, Fam::direct, 24, 0, nullptr, 0x0F, "LV_COLOR_FORMAT_RGB888"},
    {F::xrgb8888, "xrgb8888", kInV9, Fam::direct, 32, 0, nullptr, 0x11, "LV_COLOR_FORMAT_XRGB8888"},
    {F::argb8888, "argb8888", kInV9, Fam::direct, 32, 0, nullptr, 0x10, "LV_COLOR_FORMAT_ARGB8888"},
};

unsigned release_bit(LvglVersion version) {
    return 1u << static_cast<unsigned>(version);
}

const FormatRow& row_of(ColorFormat format) {
    for (const FormatRow& row : kFormats)
        if (row.format == format) return row;
    return kFormats[0];
}

}  // namespace

bool is_format_word(const char* word) {
    for (const FormatRow& row : kFormats)
        if (std::strcmp(word, row.word) == 0) return true;
    return false;
}

std::optional<ColorFormat> format_of_word(const char* word, LvglVersion version) {
    for (const FormatRow& row : kFormats)
        if ((row.releases & release_bit(version)) != 0 && std::strcmp(word, row.word) == 0) return row.format;
    return std::nullopt;
}

std::vector<std::string_view> format_words(LvglVersion version) {
    std::vector<std::string_view> words;
    for (const FormatRow& row : kFormats)
        if ((row.releases & release_bit(version)) != 0) words.push_back(row.word);
    return words;
}

const char* word_of(ColorFormat format) {
    return row_of(format).word;
}
bool in_release(ColorFormat format, LvglVersion lvgl) {
    for (const FormatRow& row : kFormats)
        if (row.format == format && (row.releases & release_bit(lvgl)) != 0) return true;
    return false;
}

FormatFamily family_of(ColorFormat format) {
    return row_of(format).family;
}
int bits_of(ColorFormat format) {
    return row_of(format).bits;
}
bool settled_on_image(ColorFormat format) {
    const FormatRow& row = row_of(format);
    return row.family == FormatFamily::indexed && row.bits == 0;
}
std::optional<ColorFormat> format_with_bits(FormatFamily family, int bits) {
    for (const FormatRow& row : kFormats)
        if (row.family == family && row.bits == bits && bits != 0) return row.format;
    return std::nullopt;
}
unsigned cf_value(ColorFormat format) {
    return row_of(format).cf;
}
const char* cf_constant(ColorFormat format) {
    const char* constant = row_of(format).constant;
    return constant != nullptr ? constant : "";
}
unsigned cf_value_v9(ColorFormat format) {
    return row_of(format).cf9;
}
const char* cf_constant_v9(ColorFormat format) {
    const char* constant = row_of(format).constant9;
    return constant != nullptr ? constant : "";
}

}  // namespace pixmint
