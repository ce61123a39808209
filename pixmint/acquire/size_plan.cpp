#include "pixmint/acquire/size_plan.h"

namespace pixmint {

bool wants_resize(const Options& options) {
    return options.width || options.height || options.zintra;
}

bool fits_lvgl_v7_header(Size final_size) {
    return final_size.width <= kLvglV7MaxSide && final_size.height <= kLvglV7MaxSide;
}

lvforge::Result<Size, Failure> plan_size(const Options& options, Size source) {
    // An empty image would become an array of no bytes, which does not compile.
    if (source.width == 0 || source.height == 0) return fatal(FailureKind::invalid_size);

    std::int64_t w = options.width ? std::int64_t{*options.width} : std::int64_t{source.width};
    if (options.zintra) {
        // The zintra GPU wants the width cut to a multiple of 16 and then one
        // more block of 16 added, even when it already was a multiple.
        w = (w & ~std::int64_t{15}) + 16;
    }
    const std::int64_t h = options.height ? std::int64_t{*options.height} : std::int64_t{source.height};
    if (w < 1 || h < 1) return fatal(FailureKind::invalid_size);
    // The tool's own limit, reported as it always was; refusing here also keeps any resize target
    // far from the resampler's int arithmetic.
    if (w > kMaxImageSide || h > kMaxImageSide) return fatal(FailureKind::size_limit);
    const Size final_size{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)};
    // A size the header can't hold would be read back wrong on the device (2048 as 0).
    // v8 keeps that header; v9's holds 16-bit sizes, which kMaxImageSide already keeps within.
    if (options.lvgl != LvglVersion::v9 && !fits_lvgl_v7_header(final_size))
        return fatal(FailureKind::lvgl_v7_size_limit);
    // The decoded source must fit in memory even when it is scaled down.
    if (source.width > kMaxSourceSide || source.height > kMaxSourceSide ||
        std::uint64_t{source.width} * source.height > kMaxSourcePixels) {
        return fatal(FailureKind::too_large_to_decode);
    }
    return final_size;
}

}  // namespace pixmint
