// Binary image files as LVGL's file system loads them: a 4-byte header
// word, then the pixel bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "pixmint/pixels/limits.h"

namespace pixmint {

// The header word: cf | always_zero << 5 | reserved << 8 | w << 10 | h << 21, always_zero and
// reserved 0. `width` and `height` must not exceed kLvglV7MaxSide.
std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height);

// The whole file: the header word, little-endian, then `body`.
std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body);

}  // namespace pixmint
