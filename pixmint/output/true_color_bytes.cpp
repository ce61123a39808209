#include "pixmint/output/true_color_bytes.h"

namespace pixmint {

namespace {

// Low and high byte of RGB 5-6-5, the low bits of each component dropped.
inline std::uint8_t low565(unsigned g, unsigned b) {
    return static_cast<std::uint8_t>((((g >> 2) & 7) << 5) | (b >> 3));
}
inline std::uint8_t high565(unsigned r, unsigned g) {
    return static_cast<std::uint8_t>((r & 0xF8) | (g >> 5));
}

// One loop per layout, so that the per-pixel work has no tests in it.
template <int Depth, bool Alpha, bool Swap, bool Premultiply>
void encode(const std::uint8_t* p, std::size_t count, std::uint8_t* o) {
    for (std::size_t i = 0; i < count; ++i, p += 4) {
        const unsigned r = p[0], g = p[1], b = p[2], a = p[3];
        if constexpr (Depth == 8) {
            *o++ = static_cast<std::uint8_t>((r >> 5) << 5 | (g >> 5) << 2 | b >> 6);
            if constexpr (Alpha) *o++ = static_cast<std::uint8_t>(a);
        } else if constexpr (Depth == 16) {
            o[Swap ? 1 : 0] = low565(g, b);
            o[Swap ? 0 : 1] = high565(r, g);
            o += 2;
            if constexpr (Alpha) *o++ = static_cast<std::uint8_t>(a);
        } else {
            const unsigned shown_a = Alpha ? a : 255u;
            if constexpr (Premultiply) {
                // The zintra GPU expects colour scaled by alpha / 256 (not 255).
                o[0] = static_cast<std::uint8_t>((b * shown_a) >> 8);
                o[1] = static_cast<std::uint8_t>((g * shown_a) >> 8);
                o[2] = static_cast<std::uint8_t>((r * shown_a) >> 8);
            } else {
                o[0] = static_cast<std::uint8_t>(b);
                o[1] = static_cast<std::uint8_t>(g);
                o[2] = static_cast<std::uint8_t>(r);
            }
            o[3] = static_cast<std::uint8_t>(shown_a);
            o += 4;
        }
    }
}

template <int Depth, bool Alpha>
void encode_depth(const std::uint8_t* p, std::size_t count, const TrueColorLayout& layout, std::uint8_t* o) {
    if (layout.swap) return encode<Depth, Alpha, true, false>(p, count, o);
    if (layout.premultiply) return encode<Depth, Alpha, false, true>(p, count, o);
    encode<Depth, Alpha, false, false>(p, count, o);
}

}  // namespace

std::size_t true_color_pixel_bytes(const TrueColorLayout& layout) {
    if (layout.depth == 32) return 4;
    return (layout.depth == 16 ? 2u : 1u) + (layout.alpha ? 1u : 0u);
}

void encode_true_color(const std::uint8_t* rgba, std::size_t count, const TrueColorLayout& layout,
                       std::uint8_t* out) {
    // Swapping applies at 16 bits only, premultiplying at 32 only.
    TrueColorLayout l = layout;
    l.swap = l.swap && l.depth == 16;
    l.premultiply = l.premultiply && l.depth == 32;
    switch (l.depth) {
        case 8:
            return l.alpha ? encode_depth<8, true>(rgba, count, l, out)
                           : encode_depth<8, false>(rgba, count, l, out);
        case 16:
            return l.alpha ? encode_depth<16, true>(rgba, count, l, out)
                           : encode_depth<16, false>(rgba, count, l, out);
        default:
            return l.alpha ? encode_depth<32, true>(rgba, count, l, out)
                           : encode_depth<32, false>(rgba, count, l, out);
    }
}

namespace {

// The shown value of every code of `Bits` bits, as expand_bits gives it.
template <int Bits>
struct Shown {
    std::uint8_t of[1 << Bits];
    constexpr Shown() : of{} {
        for (unsigned code = 0; code < (1u << Bits); ++code) {
            unsigned v = 0;
            for (int shift = 8 - Bits; shift > -Bits; shift -= Bits)
                v |= shift >= 0 ? code << shift : code >> -shift;
            of[code] = static_cast<std::uint8_t>(v & 0xFF);
        }
    }
};
constexpr Shown<2> kShown2;
constexpr Shown<3> kShown3;
constexpr Shown<5> kShown5;
constexpr Shown<6> kShown6;

}  // namespace

void decode_true_color(const std::uint8_t* bytes, std::size_t count, const TrueColorLayout& layout,
                       std::uint8_t* rgba) {
    const std::size_t step = true_color_pixel_bytes(layout);
    for (std::size_t i = 0; i < count; ++i, bytes += step, rgba += 4) {
        if (layout.depth == 8) {
            const unsigned v = bytes[0];
            rgba[0] = kShown3.of[v >> 5];
            rgba[1] = kShown3.of[(v >> 2) & 7];
            rgba[2] = kShown2.of[v & 3];
            rgba[3] = layout.alpha ? bytes[1] : 255;
        } else if (layout.depth == 16) {
            const unsigned lo = bytes[layout.swap ? 1 : 0], hi = bytes[layout.swap ? 0 : 1];
            const unsigned v = hi << 8 | lo;
            rgba[0] = kShown5.of[v >> 11];
            rgba[1] = kShown6.of[(v >> 5) & 63];
            rgba[2] = kShown5.of[v & 31];
            rgba[3] = layout.alpha ? bytes[2] : 255;
        } else {
            rgba[0] = bytes[2];
            rgba[1] = bytes[1];
            rgba[2] = bytes[0];
            rgba[3] = bytes[3];
        }
    }
}

std::vector<std::uint8_t> true_color_bytes(const RgbaImage& img, const TrueColorLayout& layout) {
    std::vector<std::uint8_t> out(img.size() * true_color_pixel_bytes(layout));
    encode_true_color(img.px.data(), img.size(), layout, out.data());
    return out;
}

}  // namespace pixmint
