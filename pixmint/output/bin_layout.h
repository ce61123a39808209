// Binary image files as LVGL's file system loads them: a 4-byte header
// word, then the pixel bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "pixmint/pixels/limits.h"
#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// The header word: cf | always_zero << 5 | reserved << 8 | w << 10 | h << 21, always_zero and
// reserved 0. `width` and `height` must not exceed kLvglV7MaxSide.
std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height);

// The whole file: the header word, little-endian, then `body`.
std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body);

// How true-colour pixels are laid out at one depth.
struct TrueColorLayout {
    int depth = 16;            // 8, 16 or 32
    bool swap = false;         // 16 only: the two colour bytes swapped (LV_COLOR_16_SWAP)
    bool alpha = false;        // an alpha byte follows the colour bytes (true-color-alpha)
    bool premultiply = false;  // 32 only: colour scaled by alpha / 256 for the zintra GPU
};

// The pixels as LVGL stores them for `layout`: the same bytes the map array's section of that
// depth holds. At 32 bits the fourth byte is the alpha, or 255 without `alpha`.
std::vector<std::uint8_t> true_color_bytes(const RgbaImage& img, const TrueColorLayout& layout);

}  // namespace pixmint
