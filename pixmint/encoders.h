// The four pixel encoders: each writes one pre-processor section of the map
// array, holding the picture in the byte layout LVGL uses at that colour depth.
#pragma once

#include <cstdint>

#include "image_job.h"
#include "text_sink.h"

namespace pixmint {

// 8-bit section (RGB 3-3-2, plus alpha for cf 1). Writes nothing when `pixels` is null.
void add_8bit_depth(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels);
// 16-bit section (RGB 5-6-5, low byte first, plus alpha for cf 1). Nothing when `pixels` is null.
void add_16bit_depth(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels);
// 16-bit section with the two colour bytes swapped. Nothing when `pixels` is null.
void add_16bit_swap_depth(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels);
// 32-bit section (blue, green, red, alpha; premultiplied under -v). Nothing when `pixels` is null.
void add_32bit_depth(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels);

}  // namespace pixmint
