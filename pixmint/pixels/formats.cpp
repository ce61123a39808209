#include "pixmint/pixels/formats.h"

#include <cstring>

namespace pixmint {

namespace {

struct FormatRow {
    ColorFormat format;
    const char* word;
    FormatFamily family;
    int bits;
    unsigned cf;
    const char* constant;
};

constexpr FormatRow kFormats[] = {
    {ColorFormat::true_color, "true-color", FormatFamily::true_color, 0, 4, "LV_IMG_CF_TRUE_COLOR"},
    {ColorFormat::true_color_alpha, "true-color-alpha", FormatFamily::true_color, 0, 5,
     "LV_IMG_CF_TRUE_COLOR_ALPHA"},
    {ColorFormat::true_color_chroma_keyed, "true-color-chroma-keyed", FormatFamily::true_color, 0, 6,
     "LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED"},
    {ColorFormat::indexed_1, "indexed-1", FormatFamily::indexed, 1, 7, "LV_IMG_CF_INDEXED_1BIT"},
    {ColorFormat::indexed_2, "indexed-2", FormatFamily::indexed, 2, 8, "LV_IMG_CF_INDEXED_2BIT"},
    {ColorFormat::indexed_4, "indexed-4", FormatFamily::indexed, 4, 9, "LV_IMG_CF_INDEXED_4BIT"},
    {ColorFormat::indexed_8, "indexed-8", FormatFamily::indexed, 8, 10, "LV_IMG_CF_INDEXED_8BIT"},
    // Settled on the image before anything is written; LVGL's "unknown" should it ever leak out.
    {ColorFormat::indexed_auto, "indexed-auto", FormatFamily::indexed, 0, 0, "LV_IMG_CF_UNKNOWN"},
    {ColorFormat::alpha_1, "alpha-1", FormatFamily::alpha, 1, 11, "LV_IMG_CF_ALPHA_1BIT"},
    {ColorFormat::alpha_2, "alpha-2", FormatFamily::alpha, 2, 12, "LV_IMG_CF_ALPHA_2BIT"},
    {ColorFormat::alpha_4, "alpha-4", FormatFamily::alpha, 4, 13, "LV_IMG_CF_ALPHA_4BIT"},
    {ColorFormat::alpha_8, "alpha-8", FormatFamily::alpha, 8, 14, "LV_IMG_CF_ALPHA_8BIT"},
    {ColorFormat::raw, "raw", FormatFamily::raw, 0, 1, "LV_IMG_CF_RAW"},
    {ColorFormat::raw_alpha, "raw-alpha", FormatFamily::raw, 0, 2, "LV_IMG_CF_RAW_ALPHA"},
    {ColorFormat::raw_chroma_keyed, "raw-chroma-keyed", FormatFamily::raw, 0, 3,
     "LV_IMG_CF_RAW_CHROMA_KEYED"},
};

const FormatRow& row_of(ColorFormat format) {
    for (const FormatRow& row : kFormats)
        if (row.format == format) return row;
    return kFormats[0];
}

}  // namespace

std::optional<ColorFormat> format_of_word(const char* word) {
    for (const FormatRow& row : kFormats)
        if (std::strcmp(word, row.word) == 0) return row.format;
    return std::nullopt;
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
const char* word_of(ColorFormat format) {
    return row_of(format).word;
}
unsigned cf_value(ColorFormat format) {
    return row_of(format).cf;
}
const char* cf_constant(ColorFormat format) {
    return row_of(format).constant;
}

}  // namespace pixmint
