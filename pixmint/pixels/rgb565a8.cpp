#include "pixmint/pixels/rgb565a8.h"

namespace pixmint {

std::vector<std::uint8_t> rgb565a8_bytes(const RgbaImage& img, bool swap) {
    const std::size_t n = img.size();
    std::vector<std::uint8_t> out(n * 3);
    std::uint8_t* color = out.data();
    std::uint8_t* alpha = out.data() + n * 2;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* p = &img.px[i * 4];
        const auto lo = static_cast<std::uint8_t>(((p[1] >> 2) & 7) << 5 | p[2] >> 3);
        const auto hi = static_cast<std::uint8_t>((p[0] & 0xF8) | p[1] >> 5);
        color[i * 2] = swap ? hi : lo;
        color[i * 2 + 1] = swap ? lo : hi;
        alpha[i] = p[3];
    }
    return out;
}

}  // namespace pixmint
