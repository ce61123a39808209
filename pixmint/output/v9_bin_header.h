// The 12-byte header of an LVGL v9 binary image file: lv_image_header_t as a little-endian
// machine lays it out.
#pragma once

#include <array>
#include <cstdint>

namespace pixmint {

// magic (0x19), cf, flags (16 bits), w, h, stride (16 bits each), then 16 reserved zero bits.
std::array<std::uint8_t, 12> v9_bin_header(unsigned cf, unsigned flags, std::uint32_t width,
                                           std::uint32_t height, std::uint32_t stride);

}  // namespace pixmint
