#include "pixmint/pixels/formats.h"

#include <cstring>

namespace pixmint {

namespace {

// One -f word: the format it names, the releases that have it, and the format's properties.
// A format named by several words repeats its properties on each row.
struct FormatRow {
    ColorFormat format;
    const char* word;
    unsigned releases;  // kInV7 | kInV8 | kInV9
    FormatFamily family;
    int bits;               // bits per pixel of the one block (0: per colour depth, or the file)
    unsigned cf;            // lv_img_cf_t / lv_color_format_t value
    const char* constant;   // v7 and v8's constant; null when only v9 has the format
    const char* constant9;  // v9's constant; null when v9 lacks the format
};

constexpr unsigned kInV7 = 1u << 7, kInV8 = 1u << 8, kInV9 = 1u << 9;
constexpr unsigned kAll = kInV7 | kInV8 | kInV9;

using F = ColorFormat;
using Fam = FormatFamily;

constexpr FormatRow kFormats[] = {
    {F::true_color, "true-color", kInV7 | kInV8, Fam::true_color, 0, 4, "LV_IMG_CF_TRUE_COLOR", nullptr},
    {F::true_color_alpha, "true-color-alpha", kInV7 | kInV8, Fam::true_color, 0, 5,
     "LV_IMG_CF_TRUE_COLOR_ALPHA", nullptr},
    {F::true_color_chroma_keyed, "true-color-chroma-keyed", kInV7 | kInV8, Fam::true_color, 0, 6,
     "LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED", nullptr},
    {F::indexed_1, "indexed-1", kAll, Fam::indexed, 1, 7, "LV_IMG_CF_INDEXED_1BIT", "LV_COLOR_FORMAT_I1"},
    {F::indexed_2, "indexed-2", kAll, Fam::indexed, 2, 8, "LV_IMG_CF_INDEXED_2BIT", "LV_COLOR_FORMAT_I2"},
    {F::indexed_4, "indexed-4", kAll, Fam::indexed, 4, 9, "LV_IMG_CF_INDEXED_4BIT", "LV_COLOR_FORMAT_I4"},
    {F::indexed_8, "indexed-8", kAll, Fam::indexed, 8, 10, "LV_IMG_CF_INDEXED_8BIT", "LV_COLOR_FORMAT_I8"},
    {F::alpha_1, "alpha-1", kAll, Fam::alpha, 1, 11, "LV_IMG_CF_ALPHA_1BIT", "LV_COLOR_FORMAT_A1"},
    {F::alpha_2, "alpha-2", kAll, Fam::alpha, 2, 12, "LV_IMG_CF_ALPHA_2BIT", "LV_COLOR_FORMAT_A2"},
    {F::alpha_4, "alpha-4", kAll, Fam::alpha, 4, 13, "LV_IMG_CF_ALPHA_4BIT", "LV_COLOR_FORMAT_A4"},
    {F::alpha_8, "alpha-8", kAll, Fam::alpha, 8, 14, "LV_IMG_CF_ALPHA_8BIT", "LV_COLOR_FORMAT_A8"},
    {F::raw, "raw", kAll, Fam::raw, 0, 1, "LV_IMG_CF_RAW", "LV_COLOR_FORMAT_RAW"},
    {F::raw_alpha, "raw-alpha", kAll, Fam::raw, 0, 2, "LV_IMG_CF_RAW_ALPHA", "LV_COLOR_FORMAT_RAW_ALPHA"},
    {F::raw_chroma_keyed, "raw-chroma-keyed", kInV7 | kInV8, Fam::raw, 0, 3, "LV_IMG_CF_RAW_CHROMA_KEYED",
     nullptr},
    // v9's own words.
    {F::indexed_1, "i1", kInV9, Fam::indexed, 1, 7, nullptr, "LV_COLOR_FORMAT_I1"},
    {F::indexed_2, "i2", kInV9, Fam::indexed, 2, 8, nullptr, "LV_COLOR_FORMAT_I2"},
    {F::indexed_4, "i4", kInV9, Fam::indexed, 4, 9, nullptr, "LV_COLOR_FORMAT_I4"},
    {F::indexed_8, "i8", kInV9, Fam::indexed, 8, 10, nullptr, "LV_COLOR_FORMAT_I8"},
    {F::alpha_1, "a1", kInV9, Fam::alpha, 1, 11, nullptr, "LV_COLOR_FORMAT_A1"},
    {F::alpha_2, "a2", kInV9, Fam::alpha, 2, 12, nullptr, "LV_COLOR_FORMAT_A2"},
    {F::alpha_4, "a4", kInV9, Fam::alpha, 4, 13, nullptr, "LV_COLOR_FORMAT_A4"},
    {F::alpha_8, "a8", kInV9, Fam::alpha, 8, 14, nullptr, "LV_COLOR_FORMAT_A8"},
    {F::l8, "l8", kInV9, Fam::direct, 8, 0x06, nullptr, "LV_COLOR_FORMAT_L8"},
    {F::al88, "al88", kInV9, Fam::direct, 16, 0x15, nullptr, "LV_COLOR_FORMAT_AL88"},
    {F::rgb565, "rgb565", kInV9, Fam::direct, 16, 0x12, nullptr, "LV_COLOR_FORMAT_RGB565"},
    {F::rgb565a8, "rgb565a8", kInV9, Fam::direct, 16, 0x14, nullptr, "LV_COLOR_FORMAT_RGB565A8"},
    {F::argb8565, "argb8565", kInV9, Fam::direct, 24, 0x13, nullptr, "LV_COLOR_FORMAT_ARGB8565"},
    {F::rgb888, "rgb888", kInV9, Fam::direct, 24, 0x0F, nullptr, "LV_COLOR_FORMAT_RGB888"},
    {F::xrgb8888, "xrgb8888", kInV9, Fam::direct, 32, 0x11, nullptr, "LV_COLOR_FORMAT_XRGB8888"},
    {F::argb8888, "argb8888", kInV9, Fam::direct, 32, 0x10, nullptr, "LV_COLOR_FORMAT_ARGB8888"},
};

unsigned release_bit(LvglVersion version) {
    return 1u << static_cast<int>(version);
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

FormatFamily family_of(ColorFormat format) {
    return row_of(format).family;
}
int bits_of(ColorFormat format) {
    return row_of(format).bits;
}
unsigned cf_value(ColorFormat format) {
    return row_of(format).cf;
}
const char* cf_constant(ColorFormat format) {
    for (const FormatRow& row : kFormats)
        if (row.format == format && row.constant != nullptr) return row.constant;
    return "";
}
const char* cf_constant_v9(ColorFormat format) {
    for (const FormatRow& row : kFormats)
        if (row.format == format && row.constant9 != nullptr) return row.constant9;
    return "";
}

}  // namespace pixmint
