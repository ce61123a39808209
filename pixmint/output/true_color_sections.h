// The four pixel encoders: each writes one pre-processor section of the map
// array, holding the picture in the byte layout LVGL uses at that colour depth.
#pragma once

#include "common/text_sink.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/image.h"

namespace pixmint {

// Signature shared by the encoders: pixels, -f format, -v premultiply, destination.
// Each writes nothing at all when `pixels` holds no data.
using Encoder = void (*)(const PixelView& pixels, ColorFormat format, bool premultiply,
                         lvforge::TextSink& out);

// 8-bit section (RGB 3-3-2, plus alpha for true-color-alpha).
void append_8bit_section(const PixelView& pixels, ColorFormat format, bool premultiply,
                         lvforge::TextSink& out);
// 16-bit section (RGB 5-6-5, low byte first, plus alpha for true-color-alpha).
void append_16bit_section(const PixelView& pixels, ColorFormat format, bool premultiply,
                          lvforge::TextSink& out);
// 16-bit section with the two colour bytes swapped.
void append_16bit_swap_section(const PixelView& pixels, ColorFormat format, bool premultiply,
                               lvforge::TextSink& out);
// 32-bit section (blue, green, red, alpha; colour premultiplied under -v).
void append_32bit_section(const PixelView& pixels, ColorFormat format, bool premultiply,
                          lvforge::TextSink& out);

}  // namespace pixmint
