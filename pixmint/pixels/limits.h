// Every size limit pixmint enforces, in one place: what it writes, what it decodes at all, and
// what LVGL's binary header can hold.
#pragma once

#include <cstdint>

namespace pixmint {

// Largest width and height a generated image may have.
inline constexpr std::uint32_t kMaxImageSide = 2500;
// Largest width or height of a source that is decoded at all.
inline constexpr std::uint32_t kMaxSourceSide = 16384;
// Largest number of pixels of a source that is decoded at all.
inline constexpr std::uint64_t kMaxSourcePixels = std::uint64_t{1} << 28;
// Largest width or height LVGL v7's image header holds (11 bits each).
inline constexpr std::uint32_t kBinMaxSide = 2047;

}  // namespace pixmint
