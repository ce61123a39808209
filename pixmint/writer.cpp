#include "writer.h"

#include <cstdio>

#include "c_source.h"
#include "encoders.h"
#include "failure_text.h"
#include "info_per_cf.h"

namespace pixmint {

namespace {
constexpr const char* kBanner =
    "/*\n * Generated in %d by pixmint from an image file.\n * LVGL image data: one pixel section per "
    "LV_COLOR_DEPTH,\n * followed by its lv_img_dsc_t descriptor.\n * Do not edit by hand; regenerate it "
    "from the source image.\n */\n\n";
}  // namespace

int create_c_src(const ImageJob& job, const std::uint8_t* pixels) {
    const auto failure = lvforge::write_generated_file(job.out_path, [&](lvforge::TextSink& out) {
        add_head(job, out);
        add_img_map(job, out, pixels);
        add_var_def(job, out);
    });
    if (!failure) return 0;
    std::fputs(lvforge::output_failure_message(*failure).c_str(), stdout);
    return 1;
}

void add_head(const ImageJob& job, lvforge::TextSink& out) {
    lvforge::put_c_head(out, kBanner, "LV_ATTRIBUTE_IMG_", job.attr_name, lvforge::banner_year_from(nullptr).value());
}

void add_img_map(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels) {
    std::printf("color depth: %d\n", job.depth);
    out.putf("const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_%s uint8_t %s_map[] = {\n",
             job.attr_name.c_str(), job.var_name.c_str());
    if (job.depth == 8 || job.depth == 0) add_8bit_depth(job, out, pixels);
    if (job.depth == 16 || job.depth == 0) {
        add_16bit_depth(job, out, pixels);
        add_16bit_swap_depth(job, out, pixels);
    }
    // 24 on the command line selects the 32-bit section.
    if (job.depth == 24 || job.depth == 0) add_32bit_depth(job, out, pixels);
    out.put("};\n\n");
}

void add_var_def(const ImageJob& job, lvforge::TextSink& out) {
    out.putf("const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t %s = {\n", job.var_name.c_str());
    out.putf("  .header.always_zero = %d,\n", job.always_zero);
    out.putf("  .header.w = %u,\n", job.width);
    out.putf("  .header.h = %u,\n", job.height);
    out.putf("  .data_size = %lld * LV_COLOR_SIZE / 8,\n", static_cast<long long>(job.data_size));
    out.putf("  .header.cf = %s,\n", info_per_cf[job.cf].cf_name);
    out.putf("  .data = %s_map,\n};\n", job.var_name.c_str());
}

}  // namespace pixmint
