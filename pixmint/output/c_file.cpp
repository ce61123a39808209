#include "pixmint/output/c_file.h"

#include <cstdarg>
#include <cstdio>

#include "common/generated_file.h"
#include "pixmint/output/hex_lines.h"

namespace pixmint {

namespace {

constexpr const char* kBanner =
    "/*\n * Generated in %d by pixmint from an image file.\n * LVGL image data: one pixel section per "
    "LV_COLOR_DEPTH,\n * followed by its lv_img_dsc_t descriptor.\n * Do not edit by hand; regenerate it "
    "from the source image.\n */\n\n";

constexpr const char* kBannerV9 =
    "/*\n * Generated in %d by pixmint from an image file.\n * LVGL v9 image data in one color format,\n"
    " * followed by its lv_image_dsc_t descriptor.\n * Do not edit by hand; regenerate it from the source "
    "image.\n */\n\n";

// printf into a string, for the few header lines.
std::string textf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string textf(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    std::vsnprintf(out.data(), out.size() + 1, fmt, again);
    va_end(again);
    return out;
}

// The comment line that opens each section of a true-colour map array, per colour format
// (the descriptor's constant lives in the format table of formats.h).
// Texts of one colour format.
struct SectionComments {
    const char* comment_8bit;        // comment line opening the 8-bit section
    const char* comment_16bit;       // ... the 16-bit section
    const char* comment_16bit_swap;  // ... the 16-bit swapped section
    const char* comment_32bit;       // ... the 32-bit section
};

constexpr const char* kPlain8 = "  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/";
constexpr const char* kPlain16 = "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/";
constexpr const char* kPlain16Swap =
    "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/";
constexpr const char* kPlain32 = "  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/";

// Rows in the order of ColorFormat: true-color, true-color-alpha, true-color-chroma-keyed.
constexpr SectionComments kInfoPerCf[3] = {
    {kPlain8, kPlain16, kPlain16Swap, kPlain32},
    {"  /*Pixel format: Alpha 8 bit, Red: 3 bit, Green: 3 bit, Blue: 2 bit*/",
     "  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit*/",
     "  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit  BUT the 2  color bytes are "
     "swapped*/",
     "  /*Pixel format: Alpha 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/"},
    // Chroma keying needs no pixel treatment of its own; only the descriptor's constant differs.
    {kPlain8, kPlain16, kPlain16Swap, kPlain32},
};

// The texts of `format`, which must be one of the three true-colour formats.
const SectionComments& section_comments(ColorFormat format) {
    return kInfoPerCf[static_cast<int>(format)];
}

}  // namespace

bool selects(Depth depth, Section section) {
    switch (section) {
        case Section::bits8:
            return depth == Depth::bits8 || depth == Depth::all;
        case Section::bits16:
        case Section::bits16_swap:
            return depth == Depth::bits16 || depth == Depth::all;
        case Section::bits32:
            // 24 on the command line selects the 32-bit section.
            return depth == Depth::bits24 || depth == Depth::all;
    }
    return false;
}

TrueColorLayout section_layout(Section section, ColorFormat format, bool premultiply) {
    const bool alpha = format == ColorFormat::true_color_alpha;
    switch (section) {
        case Section::bits8:
            return {8, false, alpha, false};
        case Section::bits16:
            return {16, false, alpha, false};
        case Section::bits16_swap:
            return {16, true, alpha, false};
        case Section::bits32:
            break;
    }
    return {32, false, alpha, premultiply};
}

std::string section_opening(Section section, ColorFormat format) {
    const SectionComments& info = section_comments(format);
    switch (section) {
        case Section::bits8:
            return std::string("#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8\n") + info.comment_8bit + "\n";
        case Section::bits16:
            return std::string("#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0\n") + info.comment_16bit +
                   "\n";
        case Section::bits16_swap:
            return std::string("#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0\n") +
                   info.comment_16bit_swap + "\n";
        case Section::bits32:
            break;
    }
    return std::string("#if LV_COLOR_DEPTH == 32\n") + info.comment_32bit + "\n";
}

std::string head_text(const lvforge::OutputNames& names, lvforge::BannerYear year, LvglVersion lvgl) {
    return lvforge::c_head_text(lvgl == LvglVersion::v9 ? kBannerV9 : kBanner, "LV_ATTRIBUTE_IMG_",
                                names.attr_name, year) +
           "const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_" + names.attr_name +
           " uint8_t " + names.var_name + "_map[] = {\n";
}

std::string block_opening(ColorFormat format, const std::uint8_t* palette, std::size_t palette_bytes,
                          bool swapped) {
    const int bits = bits_of(format);
    switch (family_of(format)) {
        case FormatFamily::alpha_plane: {
            // LVGL v8 reads the colour plane as lv_color_t and finds the alpha plane after
            // sizeof(lv_color_t) * w * h bytes: at any other depth it would read past the array, and
            // with the other LV_COLOR_16_SWAP setting every colour comes out wrong. Refused at
            // compile time instead.
            const char* swap_value = swapped ? "1" : "0";
            return textf("#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != %s\n", swap_value) +
                   textf(
                       "#error \"LV_IMG_CF_RGB565A8 data for LV_COLOR_DEPTH 16 and LV_COLOR_16_SWAP "
                       "%s\"\n#endif\n",
                       swap_value) +
                   (swapped ? "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are "
                              "swapped*/\n"
                            : "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/\n");
        }
        case FormatFamily::direct:
            break;
        case FormatFamily::indexed: {
            std::string out =
                textf("  /*Palette: %d colors of Blue, Green, Red, Alpha: 8 bit each*/\n", 1 << bits);
            out.resize(out.size() + hex_lines_size(palette_bytes, 4));
            format_hex_lines(palette, palette_bytes, 4,
                             out.data() + out.size() - hex_lines_size(palette_bytes, 4));
            return out +
                   textf("  /*Pixel format: Index %d bit, every row starting on a byte boundary*/\n", bits);
        }
        case FormatFamily::alpha:
            return textf("  /*Pixel format: Alpha %d bit, every row starting on a byte boundary*/\n", bits);
        case FormatFamily::raw:
            return "  /*The image file as it is*/\n";
        case FormatFamily::true_color:
            break;
    }
    return {};
}

std::string tail_text(const lvforge::OutputNames& names, ColorFormat format, std::uint32_t width,
                      std::uint32_t height, std::optional<std::size_t> block_bytes) {
    const char* var_name = names.var_name.c_str();
    std::string out = "};\n\n";
    out += textf("const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t %s = {\n", var_name);
    // header.always_zero is always 0 for an image held in memory.
    out += "  .header.always_zero = 0,\n";
    out += textf("  .header.w = %u,\n", width);
    out += textf("  .header.h = %u,\n", height);
    // A true-color-alpha pixel carries an alpha byte after its colour: LVGL sizes such images by
    // LV_IMG_PX_SIZE_ALPHA_BYTE, and whatever copies or caches by data_size needs all of it. The
    // one-block formats hold exactly their bytes.
    const long long pixels = static_cast<long long>(width) * height;
    if (block_bytes) {
        out += textf("  .data_size = %zu,\n", *block_bytes);
    } else if (format == ColorFormat::true_color_alpha) {
        out += textf("  .data_size = %lld * LV_IMG_PX_SIZE_ALPHA_BYTE,\n", pixels);
    } else {
        out += textf("  .data_size = %lld * LV_COLOR_SIZE / 8,\n", pixels);
    }
    out += textf("  .header.cf = %s,\n", cf_constant(format));
    out += textf("  .data = %s_map,\n};\n", var_name);
    return out;
}

}  // namespace pixmint
