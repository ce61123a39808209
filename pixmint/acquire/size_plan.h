// The size of the generated image, settled from the source's declared size
// and the options before any pixel is decoded, rendered or resampled.
#pragma once

#include <cstdint>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/limits.h"
#include "pixmint/pixels/options.h"

namespace pixmint {

// A width and a height in pixels.
struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// True when the options ask for resampling: -w, -h, or -v (whose width alignment resamples always).
bool wants_resize(const Options& options);

// Whether LVGL v7's image header can hold `final_size`: its width and height are 11-bit fields,
// in the C descriptor and in the .bin file alike (v8 keeps that header). The one check tied to
// the header layout: a layout with wider fields, as v9's 16-bit sizes, skips it.
bool fits_lvgl_v7_header(Size final_size);

// The final size for a source of size `source`: -w and -h replace its sides, -v then aligns the
// width. Fails, in this order, with invalid_size (an empty source, or a side below 1), size_limit
// (a side above kMaxImageSide), lvgl_v7_size_limit (a side the v7 header can't hold, see
// fits_lvgl_v7_header) and too_large_to_decode (a source over kMaxSourceSide on a side or over
// kMaxSourcePixels).
lvforge::Result<Size, Failure> plan_size(const Options& options, Size source);

}  // namespace pixmint
