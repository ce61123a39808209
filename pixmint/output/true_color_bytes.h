// The one true-colour byte encoder: RGBA pixels in the byte layout LVGL
// uses at each colour depth, shared by the C sections, the .bin and the
// preview (which decodes the bytes again to show what the device shows).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// How true-colour pixels are laid out at one depth.
struct TrueColorLayout {
    int depth = 16;            // 8, 16 or 32
    bool swap = false;         // 16 only: the two colour bytes swapped (LV_COLOR_16_SWAP)
    bool alpha = false;        // an alpha byte follows the colour bytes (true-color-alpha)
    bool premultiply = false;  // 32 only: colour scaled by alpha / 256 for the zintra GPU

    friend bool operator==(const TrueColorLayout&, const TrueColorLayout&) = default;
};

// Bytes one pixel takes in `layout`.
std::size_t true_color_pixel_bytes(const TrueColorLayout& layout);

// Encodes `count` RGBA pixels into `out`: RGB 3-3-2 at depth 8, RGB 5-6-5 low byte first (high
// first when swapped) at 16, each with the alpha byte after it when `alpha`; blue, green, red,
// alpha at 32, the alpha 255 without `alpha`. The low bits of each component are dropped.
void encode_true_color(const std::uint8_t* rgba, std::size_t count, const TrueColorLayout& layout,
                       std::uint8_t* out);

// What a display shows for `count` pixels encoded in `layout` (not premultiplied): each colour
// component's code widened as expand_bits() does, the alpha byte, or 255 without one.
void decode_true_color(const std::uint8_t* bytes, std::size_t count, const TrueColorLayout& layout,
                       std::uint8_t* rgba);

// A whole image encoded as encode_true_color() encodes its pixels.
std::vector<std::uint8_t> true_color_bytes(const RgbaImage& img, const TrueColorLayout& layout);

}  // namespace pixmint
