#include "pixmint/output/c_file.h"

#include "common/generated_file.h"
#include "pixmint/output/block_map.h"
#include "pixmint/output/true_color_sections.h"
#include "pixmint/output/v9_descriptor.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/rgba_image.h"

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

// The pixels the section of `depth` (8 or 16) encodes: with --dither, the image diffused for
// that depth and held in `keep`; otherwise the image itself.
PixelView section_pixels(bool dither, const PixelView& px, int depth, RgbaImage& keep) {
    if (!dither || px.data == nullptr) return px;
    keep = reduce_depth(to_rgba(px.data, px.width, px.height, px.channels), depth, true);
    return {keep.px.data(), keep.width, keep.height, 4};
}
}  // namespace

void append_c_file(const lvforge::OutputNames& names, const Encoding& encoding, lvforge::BannerYear year,
                   const Image& image, const BlockImage* packed, lvforge::TextSink& out) {
    append_head(names.attr_name, year, out);
    append_map_array(names, encoding, image, packed, out);
    append_descriptor(names.var_name, encoding.format, image, packed, out);
}

void append_v9_c_file(const lvforge::OutputNames& names, const Encoding& encoding, lvforge::BannerYear year,
                      const V9Image& image, lvforge::TextSink& out) {
    lvforge::append_c_head(out, kBannerV9, "LV_ATTRIBUTE_IMG_", names.attr_name, year);
    append_v9_map_array(names, encoding, image, out);
    append_v9_descriptor(names.var_name, encoding, image, out);
}

void append_head(std::string_view attr_name, lvforge::BannerYear year, lvforge::TextSink& out) {
    lvforge::append_c_head(out, kBanner, "LV_ATTRIBUTE_IMG_", attr_name, year);
}

void append_map_array(const lvforge::OutputNames& names, const Encoding& encoding, const Image& image,
                      const BlockImage* packed, lvforge::TextSink& out) {
    out.appendf(
        "const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_%s uint8_t %s_map[] = {\n",
        names.attr_name.c_str(), names.var_name.c_str());
    if (packed != nullptr) {
        append_block_map(encoding.format, *packed, out);
        out.append("};\n\n");
        return;
    }
    const PixelView px = image.view();
    const Depth d = encoding.depth;
    const ColorFormat format = encoding.format;
    RgbaImage keep;
    if (d == Depth::bits8 || d == Depth::all) {
        append_8bit_section(section_pixels(encoding.dither, px, 8, keep), format, encoding.zintra, out);
    }
    if (d == Depth::bits16 || d == Depth::all) {
        const PixelView px16 = section_pixels(encoding.dither, px, 16, keep);
        append_16bit_section(px16, format, encoding.zintra, out);
        append_16bit_swap_section(px16, format, encoding.zintra, out);
    }
    // 24 on the command line selects the 32-bit section.
    if (d == Depth::bits24 || d == Depth::all) append_32bit_section(px, format, encoding.zintra, out);
    out.append("};\n\n");
}

void append_descriptor(std::string_view var_name, ColorFormat format, const Image& image,
                       const BlockImage* packed, lvforge::TextSink& out) {
    out.append("const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t ");
    out.append(var_name);
    out.append(" = {\n");
    // header.always_zero is always 0 for an image held in memory.
    out.append("  .header.always_zero = 0,\n");
    out.appendf("  .header.w = %u,\n", image.width);
    out.appendf("  .header.h = %u,\n", image.height);
    // A true-color-alpha pixel carries an alpha byte after its colour: LVGL sizes such images by
    // LV_IMG_PX_SIZE_ALPHA_BYTE, and whatever copies or caches by data_size needs all of it. The
    // one-block formats hold exactly their bytes.
    const long long pixels = static_cast<long long>(image.width) * image.height;
    if (packed != nullptr) {
        out.appendf("  .data_size = %zu,\n", packed->bytes.size());
    } else if (format == ColorFormat::true_color_alpha) {
        out.appendf("  .data_size = %lld * LV_IMG_PX_SIZE_ALPHA_BYTE,\n", pixels);
    } else {
        out.appendf("  .data_size = %lld * LV_COLOR_SIZE / 8,\n", pixels);
    }
    out.appendf("  .header.cf = %s,\n", cf_constant(format));
    out.append("  .data = ");
    out.append(var_name);
    out.append("_map,\n};\n");
}

}  // namespace pixmint
