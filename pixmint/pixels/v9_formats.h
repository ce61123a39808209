// LVGL v9's pixel layouts: straight RGBA pixels (or a palette and indices) turned into the one
// block of bytes an lv_image_dsc_t points at, every row `stride` bytes long.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// A v9 image's data, uncompressed, as LVGL's decoder reads it.
struct V9Block {
    std::vector<std::uint8_t> bytes;  // palette, then rows of `stride` bytes, then RGB565A8's alpha plane
    std::uint32_t stride = 0;         // header.stride: bytes a row of pixels; 0 for the raw formats
    std::size_t palette_bytes = 0;    // the palette at the start (indexed formats), 4 bytes an entry
    std::size_t alpha_plane = 0;      // where RGB565A8's alpha plane starts (rows of stride / 2); 0: none
};

// A direct (l8 ... argb8888) or alpha-only `format` of `img`, rows aligned to `align` bytes
// (padding zero). Colours are truncated to the format's bits (the caller dithers first if asked);
// with `premultiply` the colours of the formats with alpha are scaled by it as LVGL's
// lv_draw_buf_premultiply does (after the reduction, for the 16-bit ones).
V9Block v9_pixel_block(const RgbaImage& img, ColorFormat format, unsigned align, bool premultiply);

// An indexed image of `bits` bits: 2^bits ARGB8888 palette entries (blue, green, red, alpha; unused
// entries zero; premultiplied with `premultiply`), then the indices packed most significant bit
// first in rows aligned to `align` bytes.
V9Block v9_indexed_block(const IndexedImage& img, std::uint32_t width, std::uint32_t height, int bits,
                         unsigned align, bool premultiply);

// Bytes LVGL's RLE codec works in for `format`: a whole pixel, at least a byte (2 for RGB565A8,
// whose alpha plane is compressed along with its colours).
std::size_t rle_unit_of(ColorFormat format);

// The luminance LVGL v9 gives a colour: (77 r + 151 g + 28 b) >> 8.
std::uint8_t luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace pixmint
