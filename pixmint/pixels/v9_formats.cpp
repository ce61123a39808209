#include "pixmint/pixels/v9_formats.h"

#include <algorithm>

namespace pixmint {

namespace {

// A 16-bit colour's components (5, 6 and 5 bits).
struct Color16 {
    unsigned r, g, b;
};

// lv_color16_premultiply: opaque stays, transparent becomes black, else each component * a >> 8.
Color16 premultiplied(Color16 c, unsigned a) {
    if (a == 255) return c;
    if (a == 0) return {0, 0, 0};
    return {c.r * a >> 8, c.g * a >> 8, c.b * a >> 8};
}

// lv_color_premultiply on one component of an ARGB8888 pixel.
std::uint8_t premultiplied(unsigned c, unsigned a) {
    if (a == 255) return static_cast<std::uint8_t>(c);
    return static_cast<std::uint8_t>(c * a >> 8);
}

// Writes `c` as RGB565, little-endian.
std::uint8_t* put565(std::uint8_t* o, Color16 c) {
    const unsigned v = c.r << 11 | c.g << 5 | c.b;
    o[0] = static_cast<std::uint8_t>(v);
    o[1] = static_cast<std::uint8_t>(v >> 8);
    return o + 2;
}

}  // namespace

int v9_color_depth(ColorFormat format) {
    const bool colors16 =
        format == ColorFormat::rgb565 || format == ColorFormat::rgb565a8 || format == ColorFormat::argb8565;
    return colors16 ? 16 : 32;
}

std::uint8_t luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint8_t>((77u * r + 151u * g + 28u * b) >> 8);
}

void encode_v9_row(const std::uint8_t* p, std::uint32_t width, ColorFormat format, bool premultiply,
                   std::uint8_t* o) {
    for (std::uint32_t x = 0; x < width; ++x, p += 4) {
        const unsigned r = p[0], g = p[1], b = p[2], a = p[3];
        const unsigned shown_a = premultiply ? a : 255;
        const Color16 c16{r >> 3, g >> 2, b >> 3};
        switch (format) {
            case ColorFormat::l8:
                *o++ = luminance(p[0], p[1], p[2]);
                break;
            case ColorFormat::al88:
                *o++ = luminance(p[0], p[1], p[2]);
                *o++ = static_cast<std::uint8_t>(a);
                break;
            case ColorFormat::rgb565:
                o = put565(o, c16);
                break;
            case ColorFormat::rgb565a8:
                o = put565(o, premultiplied(c16, shown_a));
                break;
            case ColorFormat::argb8565:
                o = put565(o, premultiplied(c16, shown_a));
                *o++ = static_cast<std::uint8_t>(a);
                break;
            case ColorFormat::rgb888:
                *o++ = static_cast<std::uint8_t>(b);
                *o++ = static_cast<std::uint8_t>(g);
                *o++ = static_cast<std::uint8_t>(r);
                break;
            case ColorFormat::xrgb8888:
                *o++ = static_cast<std::uint8_t>(b);
                *o++ = static_cast<std::uint8_t>(g);
                *o++ = static_cast<std::uint8_t>(r);
                *o++ = 0xFF;
                break;
            case ColorFormat::argb8888:
                if (shown_a == 0) {
                    o[0] = o[1] = o[2] = o[3] = 0;
                    o += 4;
                    break;
                }
                *o++ = premultiplied(b, shown_a);
                *o++ = premultiplied(g, shown_a);
                *o++ = premultiplied(r, shown_a);
                *o++ = static_cast<std::uint8_t>(a);
                break;
            default:
                return;
        }
    }
}

std::vector<std::uint8_t> v9_palette_bytes(const std::vector<Color32>& palette, int bits, bool premultiply) {
    const std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint8_t> out(entries * 4);
    for (std::size_t i = 0; i < palette.size() && i < entries; ++i) {
        const Color32& c = palette[i];
        std::uint8_t* e = &out[i * 4];
        const unsigned a = premultiply ? c.a : 255;
        if (a == 0) continue;  // lv_color_premultiply clears a transparent entry
        e[0] = premultiplied(c.b, a);
        e[1] = premultiplied(c.g, a);
        e[2] = premultiplied(c.r, a);
        e[3] = c.a;
    }
    return out;
}

std::size_t rle_unit_of(ColorFormat format) {
    if (format == ColorFormat::rgb565a8) return 2;
    return std::max<std::size_t>(1, static_cast<std::size_t>(bits_of(format) + 7) / 8);
}

}  // namespace pixmint
