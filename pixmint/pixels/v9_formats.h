// LVGL v9's pixel layouts, a row at a time: straight RGBA pixels in the bytes
// of each direct format, and the ARGB8888 palette of the indexed formats.
// (The packed indices and alpha values are bit_packing's, the padding to a
// row's stride the encoders'.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/palette.h"

namespace pixmint {

// The depth whose reduced rows the direct `format` takes its colours from: 16 for the formats
// with 16-bit colours (rgb565, rgb565a8, argb8565), where --dither diffuses the lost bits; 32
// (the RGBA rows as they are) for the others.
int v9_color_depth(ColorFormat format);

// Writes `width` RGBA pixels at `rgba` as the direct `format` stores them (rgb565a8: its colour
// plane alone, 2 bytes a pixel), bits_of(format) / 8 bytes a pixel at `out`. Colours are
// truncated to the format's bits; with `premultiply` the colours of the formats with alpha are
// scaled by it as LVGL's lv_draw_buf_premultiply does (after the reduction, for the 16-bit ones).
void encode_v9_row(const std::uint8_t* rgba, std::uint32_t width, ColorFormat format, bool premultiply,
                   std::uint8_t* out);

// The palette of an indexed format of `bits` bits: 2^bits ARGB8888 entries (blue, green, red,
// alpha; unused entries zero; premultiplied with `premultiply`, a transparent entry cleared).
std::vector<std::uint8_t> v9_palette_bytes(const std::vector<Color32>& palette, int bits, bool premultiply);

// Bytes LVGL's RLE codec works in for `format`: a whole pixel, at least a byte (2 for RGB565A8,
// whose alpha plane is compressed along with its colours).
std::size_t rle_unit_of(ColorFormat format);

// The luminance LVGL v9 gives a colour: (77 r + 151 g + 28 b) >> 8.
std::uint8_t luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace pixmint
