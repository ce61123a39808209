// LVGL v8's RGB565A8 layout: every pixel's 16-bit colour as lv_color_t holds it at
// LV_COLOR_DEPTH 16, then every pixel's alpha byte, the two planes in raster order.
#pragma once

#include <cstdint>
#include <vector>

#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// The colour plane (R 5, G 6, B 5 bits, the low bits dropped; low byte first, or high byte first
// when `swap`, for LV_COLOR_16_SWAP) followed by the alpha plane: 3 bytes a pixel in all.
std::vector<std::uint8_t> rgb565a8_bytes(const RgbaImage& img, bool swap);

}  // namespace pixmint
