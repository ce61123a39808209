#include "writer.h"

#include "c_source.h"
#include "encoders.h"
#include "info_per_cf.h"

namespace pixmint {

namespace {
constexpr const char* kBanner =
    "/*\n * Generated in %d by pixmint from an image file.\n * LVGL image data: one pixel section per "
    "LV_COLOR_DEPTH,\n * followed by its lv_img_dsc_t descriptor.\n * Do not edit by hand; regenerate it "
    "from the source image.\n */\n\n";
}  // namespace

int create_c_src(const Options& options, const Image& image, const std::function<void()>& opened) {
    return lvforge::write_generated_file(options.names.out_path, [&](lvforge::TextSink& out) {
        opened();
        add_head(options, out);
        add_img_map(options, image, out);
        add_var_def(options, image, out);
    });
}

void add_head(const Options& options, lvforge::TextSink& out) {
    lvforge::put_c_head(out, kBanner, "LV_ATTRIBUTE_IMG_", options.names.attr_name);
}

void add_img_map(const Options& options, const Image& image, lvforge::TextSink& out) {
    const auto& names = options.names;
    out.putf("const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_%s uint8_t %s_map[] = {\n",
             names.attr_name, names.var_name);
    const PixelView px = image.view();
    const Depth d = options.depth;
    if (d == Depth::bits8 || d == Depth::all) add_8bit_depth(px, options.format, options.premultiply, out);
    if (d == Depth::bits16 || d == Depth::all) {
        add_16bit_depth(px, options.format, options.premultiply, out);
        add_16bit_swap_depth(px, options.format, options.premultiply, out);
    }
    // 24 on the command line selects the 32-bit section.
    if (d == Depth::bits24 || d == Depth::all) add_32bit_depth(px, options.format, options.premultiply, out);
    out.put("};\n\n");
}

void add_var_def(const Options& options, const Image& image, lvforge::TextSink& out) {
    const char* var_name = options.names.var_name;
    out.putf("const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t %s = {\n", var_name);
    // header.always_zero is always 0 for an image held in memory.
    out.put("  .header.always_zero = 0,\n");
    out.putf("  .header.w = %u,\n", image.width);
    out.putf("  .header.h = %u,\n", image.height);
    out.putf("  .data_size = %lld * LV_COLOR_SIZE / 8,\n", static_cast<long long>(image.width) * image.height);
    out.putf("  .header.cf = %s,\n", cf_info(options.format).cf_name);
    out.putf("  .data = %s_map,\n};\n", var_name);
}

}  // namespace pixmint
