#include "pixmint/pixels/v9_formats.h"

#include <algorithm>

#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/stride.h"

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

// Writes one row of `width` pixels `p` (RGBA) in a direct format; RGB565A8's alpha goes to `alpha`.
void direct_row(const std::uint8_t* p, std::uint32_t width, ColorFormat format, bool premultiply,
                std::uint8_t* o, std::uint8_t* alpha) {
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
                *alpha++ = static_cast<std::uint8_t>(a);
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

// Copies `height` packed rows of `row_bytes` into `out` at `ofs`, `stride` bytes apart.
void place_rows(const std::vector<std::uint8_t>& rows, std::size_t row_bytes, std::uint32_t height,
                std::uint32_t stride, std::uint8_t* out) {
    for (std::size_t y = 0; y < height; ++y)
        std::copy_n(rows.data() + y * row_bytes, row_bytes, out + y * stride);
}

}  // namespace

std::uint8_t luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint8_t>((77u * r + 151u * g + 28u * b) >> 8);
}

V9Block v9_pixel_block(const RgbaImage& img, ColorFormat format, unsigned align, bool premultiply) {
    const int bits = bits_of(format);
    V9Block out;
    out.stride = v9_stride(img.width, bits, align);
    const std::size_t plane = std::size_t{out.stride} * img.height;
    if (family_of(format) == FormatFamily::alpha) {
        out.bytes.resize(plane);
        place_rows(alpha_bytes(img, bits), packed_row_bytes(img.width, bits), img.height, out.stride,
                   out.bytes.data());
        return out;
    }
    const std::size_t alpha_stride = out.stride / 2;
    if (format == ColorFormat::rgb565a8) out.alpha_plane = plane;
    out.bytes.resize(plane + (format == ColorFormat::rgb565a8 ? alpha_stride * img.height : 0));
    for (std::size_t y = 0; y < img.height; ++y) {
        direct_row(img.px.data() + y * img.width * 4, img.width, format, premultiply,
                   out.bytes.data() + y * out.stride, out.bytes.data() + plane + y * alpha_stride);
    }
    return out;
}

V9Block v9_indexed_block(const IndexedImage& img, std::uint32_t width, std::uint32_t height, int bits,
                         unsigned align, bool premultiply) {
    V9Block out;
    out.stride = v9_stride(width, bits, align);
    out.palette_bytes = (std::size_t{1} << bits) * 4;
    out.bytes.resize(out.palette_bytes + std::size_t{out.stride} * height);
    for (std::size_t i = 0; i < img.palette.size() && i * 4 < out.palette_bytes; ++i) {
        const Color32& c = img.palette[i];
        std::uint8_t* e = &out.bytes[i * 4];
        const unsigned a = premultiply ? c.a : 255;
        if (a == 0) continue;  // lv_color_premultiply clears a transparent entry
        e[0] = premultiplied(c.b, a);
        e[1] = premultiplied(c.g, a);
        e[2] = premultiplied(c.r, a);
        e[3] = c.a;
    }
    place_rows(pack_rows(img.index.data(), width, height, bits), packed_row_bytes(width, bits), height,
               out.stride, out.bytes.data() + out.palette_bytes);
    return out;
}

std::size_t rle_unit_of(ColorFormat format) {
    if (format == ColorFormat::rgb565a8) return 2;
    return std::max<std::size_t>(1, static_cast<std::size_t>(bits_of(format) + 7) / 8);
}

}  // namespace pixmint
