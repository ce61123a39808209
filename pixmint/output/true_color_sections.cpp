#include "pixmint/output/true_color_sections.h"

#include <algorithm>

#include "common/hex_tables.h"
#include "pixmint/output/section_comments.h"

namespace pixmint {

namespace {

using lvforge::copy_hex_unit;
using lvforge::kPixelHex;
using lvforge::TextSink;

// One pixel as red, green, blue and its own alpha (255 when it has none).
struct Rgba {
    std::uint8_t r, g, b, a;
};

// Reads a pixel of C components. Grey pixels stand for equal red, green and
// blue; only the bytes of this pixel are read.
template <int C>
inline Rgba fetch(const std::uint8_t* p) {
    if constexpr (C == 1) return {p[0], p[0], p[0], 255};
    if constexpr (C == 2) return {p[0], p[0], p[0], p[1]};
    if constexpr (C == 3) return {p[0], p[1], p[2], 255};
    return {p[0], p[1], p[2], p[3]};
}

// Pixels formatted per reservation: at most 4 units of 6 characters each, so
// a block stays well inside TextSink::kMaxReserve.
constexpr std::uint32_t kBlockPixels = 2048;

// Walks the buffer row by row: " ", the pixel texts from `encode`, " \n".
template <int C, class Encode>
void walk_rows(const PixelView& px, TextSink& out, Encode encode) {
    const std::uint8_t* p = px.data;
    for (std::uint32_t y = 0; y < px.height; ++y) {
        char* o = out.reserve(1);
        *o++ = ' ';
        out.advance(o);
        for (std::uint32_t x = 0; x < px.width;) {
            const std::uint32_t n = std::min(px.width - x, kBlockPixels);
            o = out.reserve(std::size_t{n} * 24 + 8);
            for (std::uint32_t i = 0; i < n; ++i, p += C) o = encode(o, fetch<C>(p));
            out.advance(o);
            x += n;
        }
        o = out.reserve(2);
        *o++ = ' ';
        *o++ = '\n';
        out.advance(o);
    }
}

// Writes one whole section: guard, comment, rows, "#endif".
template <class Encode>
void write_section(const PixelView& px, TextSink& out, const char* guard, const char* comment,
                   Encode encode) {
    if (px.data == nullptr) return;
    out.append(guard);
    out.append(comment);
    out.append("\n");
    switch (px.channels) {
        case 1:
            walk_rows<1>(px, out, encode);
            break;
        case 2:
            walk_rows<2>(px, out, encode);
            break;
        case 3:
            walk_rows<3>(px, out, encode);
            break;
        default:
            walk_rows<4>(px, out, encode);
            break;
    }
    out.append("#endif\n");
}

// Low and high byte of RGB 5-6-5, the low bits of each component dropped.
inline std::uint8_t low565(const Rgba& c) {
    return static_cast<std::uint8_t>((((c.g >> 2) & 7) << 5) | (c.b >> 3));
}
inline std::uint8_t high565(const Rgba& c) {
    return static_cast<std::uint8_t>((c.r & 0xF8) | (c.g >> 5));
}

}  // namespace

void append_8bit_section(const PixelView& pixels, ColorFormat format, bool /*premultiply*/, TextSink& out) {
    const bool alpha = format == ColorFormat::true_color_alpha;
    write_section(pixels, out, "#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8\n",
                  section_comments(format).comment_8bit, [alpha](char* o, Rgba c) {
                      const auto v8 =
                          static_cast<std::uint8_t>(((c.r >> 5) << 5) | ((c.g >> 5) << 2) | (c.b >> 6));
                      o = copy_hex_unit(o, kPixelHex, v8);
                      if (alpha) o = copy_hex_unit(o, kPixelHex, c.a);
                      return o;
                  });
}

namespace {

// Both 16-bit sections: RGB 5-6-5 as two bytes, low byte first unless
// swapped, then the alpha byte for cf 1.
void add_16bit_section(const PixelView& pixels, ColorFormat format, TextSink& out, bool swap) {
    const bool alpha = format == ColorFormat::true_color_alpha;
    const SectionComments& info = section_comments(format);
    write_section(pixels, out,
                  swap ? "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0\n"
                       : "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0\n",
                  swap ? info.comment_16bit_swap : info.comment_16bit, [alpha, swap](char* o, Rgba c) {
                      const std::uint8_t lo = low565(c), hi = high565(c);
                      o = copy_hex_unit(o, kPixelHex, swap ? hi : lo);
                      o = copy_hex_unit(o, kPixelHex, swap ? lo : hi);
                      if (alpha) o = copy_hex_unit(o, kPixelHex, c.a);
                      return o;
                  });
}

}  // namespace

void append_16bit_section(const PixelView& pixels, ColorFormat format, bool /*premultiply*/, TextSink& out) {
    add_16bit_section(pixels, format, out, false);
}

void append_16bit_swap_section(const PixelView& pixels, ColorFormat format, bool /*premultiply*/,
                               TextSink& out) {
    add_16bit_section(pixels, format, out, true);
}

void append_32bit_section(const PixelView& pixels, ColorFormat format, bool premultiply, TextSink& out) {
    const bool alpha = format == ColorFormat::true_color_alpha;
    write_section(pixels, out, "#if LV_COLOR_DEPTH == 32\n", section_comments(format).comment_32bit,
                  [alpha, premultiply](char* o, Rgba c) {
                      const unsigned a = alpha ? c.a : 255u;
                      unsigned r = c.r, g = c.g, b = c.b;
                      if (premultiply) {
                          // The zintra GPU expects colour scaled by alpha / 256 (not 255).
                          r = (r * a) >> 8;
                          g = (g * a) >> 8;
                          b = (b * a) >> 8;
                      }
                      o = copy_hex_unit(o, kPixelHex, static_cast<std::uint8_t>(b));
                      o = copy_hex_unit(o, kPixelHex, static_cast<std::uint8_t>(g));
                      o = copy_hex_unit(o, kPixelHex, static_cast<std::uint8_t>(r));
                      return copy_hex_unit(o, kPixelHex, static_cast<std::uint8_t>(a));
                  });
}

}  // namespace pixmint
