#include "pixmint/output/bin_layout.h"

namespace pixmint {

std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height) {
    return (cf & 0x1Fu) | (width & 0x7FFu) << 10 | (height & 0x7FFu) << 21;
}

std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> out;
    out.reserve(4 + body.size());
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(header >> shift));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> true_color_bytes(const RgbaImage& img, const TrueColorLayout& layout) {
    std::vector<std::uint8_t> out;
    const std::size_t per_pixel = layout.depth == 32   ? 4
                                  : layout.depth == 16 ? 2 + layout.alpha
                                                       : 1 + layout.alpha;
    out.reserve(img.size() * per_pixel);
    for (std::size_t i = 0; i < img.px.size(); i += 4) {
        const unsigned r = img.px[i], g = img.px[i + 1], b = img.px[i + 2], a = img.px[i + 3];
        if (layout.depth == 8) {
            out.push_back(static_cast<std::uint8_t>((r >> 5) << 5 | (g >> 5) << 2 | b >> 6));
        } else if (layout.depth == 16) {
            const auto lo = static_cast<std::uint8_t>(((g >> 2) & 7) << 5 | b >> 3);
            const auto hi = static_cast<std::uint8_t>((r & 0xF8) | g >> 5);
            out.push_back(layout.swap ? hi : lo);
            out.push_back(layout.swap ? lo : hi);
        } else {
            const unsigned shown_a = layout.alpha ? a : 255;
            const auto scale = [&](unsigned c) {
                return static_cast<std::uint8_t>(layout.premultiply ? (c * shown_a) >> 8 : c);
            };
            out.insert(out.end(), {scale(b), scale(g), scale(r), static_cast<std::uint8_t>(shown_a)});
            continue;
        }
        if (layout.alpha) out.push_back(static_cast<std::uint8_t>(a));
    }
    return out;
}

}  // namespace pixmint
