// Every size limit pixmint enforces, in one place: what it writes, what it decodes at all, and
// what LVGL v7's image header can hold.
#pragma once

#include <cstdint>

namespace pixmint {

// Largest width and height a generated image may have.
inline constexpr std::uint32_t kMaxImageSide = 2500;
// Largest width or height of a source that is decoded at all.
inline constexpr std::uint32_t kMaxSourceSide = 16384;
// Largest number of pixels of a source that is decoded at all.
inline constexpr std::uint64_t kMaxSourcePixels = std::uint64_t{1} << 28;
// Largest row alignment --align accepts, in bytes (GPUs ask for up to 64 or 128).
inline constexpr unsigned kMaxAlign = 1024;
// Largest width or height LVGL v7's image header holds: `w` and `h` are 11-bit fields of the
// header word, in the C descriptor and in the .bin file alike, so 2048 would read back as 0.
inline constexpr std::uint32_t kLvglV7MaxSide = 2047;

}  // namespace pixmint
