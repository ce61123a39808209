#include "pixmint/output/v9_bin_header.h"

namespace pixmint {

namespace {
// LV_IMAGE_HEADER_MAGIC: v9's headers start with it, which tells them from v7 / v8 header words.
constexpr std::uint8_t kMagic = 0x19;
}  // namespace

std::array<std::uint8_t, 12> v9_bin_header(unsigned cf, unsigned flags, std::uint32_t width,
                                           std::uint32_t height, std::uint32_t stride) {
    const auto lo = [](std::uint32_t v) { return static_cast<std::uint8_t>(v); };
    const auto hi = [](std::uint32_t v) { return static_cast<std::uint8_t>(v >> 8); };
    return {kMagic,     lo(cf),     lo(flags),  hi(flags),  lo(width), hi(width),
            lo(height), hi(height), lo(stride), hi(stride), 0,         0};
}

}  // namespace pixmint
