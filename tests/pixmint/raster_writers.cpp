#include "tests/pixmint/raster_writers.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>
// clang-format on
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace pixmint::test {

namespace {

int sample(int x, int y, int c) {
    return (x * 53 + y * 97 + c * 71 + 13) & 255;
}
// Palette index of a pixel, below `entries`.
int index_at(int x, int y, int entries) {
    return (x * 3 + y * 5 + x * y) % entries;
}
// Red, green, blue of palette entry `i`.
std::uint8_t colour(int i, int c) {
    static const int mul[3] = {67, 29, 151}, add[3] = {13, 101, 7};
    return static_cast<std::uint8_t>((i * mul[c] + add[c]) & 255);
}

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
// An n-bit value widened to 8 bits by repeating its bits.
std::uint8_t widen(int v, int bits) {
    int out = 0, filled = 0;
    for (; filled < 8; filled += bits) out = out << bits | v;
    return static_cast<std::uint8_t>(out >> (filled - 8));
}

}  // namespace

RasterFile bmp(const BmpLayout& l, int w, int h) {
    const int entries = l.bpp <= 8 ? (l.entries != 0 ? l.entries : 1 << l.bpp) : 0;
    const bool masks_after = l.bit_fields && l.header == 40;
    const bool alpha = l.bpp == 32 && (!l.bit_fields || l.header >= 108);
    RasterFile f{{}, w, h, alpha ? 4 : 3, {}};
    Bytes info, pixels;
    const std::uint32_t r_mask = l.bpp == 16 ? 0xf800 : 0xff0000, g_mask = l.bpp == 16 ? 0x07e0 : 0xff00,
                        b_mask = l.bpp == 16 ? 0x1f : 0xff, a_mask = l.bpp == 32 ? 0xff000000 : 0;
    put32(info, static_cast<std::uint32_t>(l.header));
    if (l.header == 12) {
        put16(info, static_cast<std::uint32_t>(w));
        put16(info, static_cast<std::uint32_t>(h));
        put16(info, 1);
        put16(info, static_cast<std::uint32_t>(l.bpp));
    } else {
        put32(info, static_cast<std::uint32_t>(w));
        put32(info, static_cast<std::uint32_t>(l.top_down ? -h : h));
        put16(info, 1);
        put16(info, static_cast<std::uint32_t>(l.bpp));
        put32(info, l.bit_fields ? 3 : 0);
        for (std::uint32_t v : {0u, 2835u, 2835u, static_cast<std::uint32_t>(entries), 0u}) put32(info, v);
        if (l.header >= 56)
            for (std::uint32_t m : {r_mask, g_mask, b_mask, a_mask}) put32(info, m);
        info.resize(static_cast<std::size_t>(l.header), 0);  // colour space and intent: zero
    }
    if (masks_after)
        for (std::uint32_t m : {r_mask, g_mask, b_mask}) put32(info, m);
    for (int i = 0; i < entries; ++i) {
        for (int c = 2; c >= 0; --c) info.push_back(colour(i, c));
        if (l.header != 12) info.push_back(0);
    }
    const int row_bytes = (w * l.bpp + 31) / 32 * 4;
    f.pixels.resize(static_cast<std::size_t>(w * h * f.channels));
    for (int row = 0; row < h; ++row) {
        const int y = l.top_down ? row : h - 1 - row;
        Bytes bytes(static_cast<std::size_t>(row_bytes), 0);
        for (int x = 0; x < w; ++x) {
            std::uint8_t* out = &f.pixels[static_cast<std::size_t>((y * w + x) * f.channels)];
            const int r = sample(x, y, 0), g = sample(x, y, 1), b = sample(x, y, 2), a = sample(x, y, 3) | 1;
            std::uint32_t v = 0;
            if (l.bpp <= 8) {
                const int i = index_at(x, y, entries);
                const int shift = 8 - l.bpp - (x * l.bpp) % 8;
                bytes[static_cast<std::size_t>(x * l.bpp / 8)] |= static_cast<std::uint8_t>(i << shift);
                for (int c = 0; c < 3; ++c) out[c] = colour(i, c);
                continue;
            }
            if (l.bpp == 16) {
                const int g_bits = l.bit_fields ? 6 : 5;
                v = static_cast<std::uint32_t>((r >> 3) << (5 + g_bits) | (g >> (8 - g_bits)) << 5 |
                                               (b >> 3));
                out[0] = widen(r >> 3, 5), out[1] = widen(g >> (8 - g_bits), g_bits),
                out[2] = widen(b >> 3, 5);
            } else {
                v = static_cast<std::uint32_t>(r << 16 | g << 8 | b) | static_cast<std::uint32_t>(a) << 24;
                out[0] = static_cast<std::uint8_t>(r), out[1] = static_cast<std::uint8_t>(g),
                out[2] = static_cast<std::uint8_t>(b);
                if (alpha) out[3] = static_cast<std::uint8_t>(a);
            }
            for (int k = 0; k < l.bpp / 8; ++k)
                bytes[static_cast<std::size_t>(x * l.bpp / 8 + k)] = static_cast<std::uint8_t>(v >> (8 * k));
        }
        pixels.insert(pixels.end(), bytes.begin(), bytes.end());
    }
    const auto offset = static_cast<std::uint32_t>(14 + info.size());
    f.bytes = {'B', 'M'};
    put32(f.bytes, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(f.bytes, 0);
    put32(f.bytes, offset);
    f.bytes.insert(f.bytes.end(), info.begin(), info.end());
    f.bytes.insert(f.bytes.end(), pixels.begin(), pixels.end());
    return f;
}

RasterFile gif(const GifLayout& l, int width, int height) {
    const int fw = l.w != 0 ? l.w : width, fh = l.h != 0 ? l.h : height;
    const int entries = 1 << l.table_bits, limit = l.index_limit != 0 ? l.index_limit : entries;
    const int min_size = std::max(2, l.code_size != 0 ? l.code_size : l.table_bits);
    RasterFile f{{'G', 'I', 'F', '8', '9', 'a'}, width, height, 4, {}};
    // The screen shows the background where the frame does not reach, transparent when none.
    f.pixels.assign(static_cast<std::size_t>(width * height * 4), 0);
    for (int y = 0; y < height && l.background > 0; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* out = &f.pixels[static_cast<std::size_t>((y * width + x) * 4)];
            for (int c = 0; c < 3; ++c) out[c] = colour(l.background, c);
            out[3] = 255;
        }
    put16(f.bytes, static_cast<std::uint32_t>(width));
    put16(f.bytes, static_cast<std::uint32_t>(height));
    const auto table_flags = static_cast<std::uint8_t>(0x80 | (l.table_bits - 1));
    f.bytes.insert(f.bytes.end(), {l.local_table ? std::uint8_t{0} : table_flags,
                                   static_cast<std::uint8_t>(l.background), 0});
    Bytes table;
    for (int i = 0; i < entries; ++i)
        for (int c = 0; c < 3; ++c) table.push_back(colour(i, c));
    if (!l.local_table) f.bytes.insert(f.bytes.end(), table.begin(), table.end());
    if (l.transparent >= 0)
        f.bytes.insert(f.bytes.end(), {0x21, 0xf9, 4, 1, 0, 0, static_cast<std::uint8_t>(l.transparent), 0});
    f.bytes.push_back(0x2c);
    for (int v : {l.x, l.y, fw, fh}) put16(f.bytes, static_cast<std::uint32_t>(v));
    f.bytes.push_back(
        static_cast<std::uint8_t>((l.local_table ? table_flags : 0) | (l.interlaced ? 0x40 : 0)));
    if (l.local_table) f.bytes.insert(f.bytes.end(), table.begin(), table.end());
    f.bytes.push_back(static_cast<std::uint8_t>(min_size));

    // Rows in the order the data holds them: interlaced in four passes.
    std::vector<int> rows;
    if (l.interlaced) {
        for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int r = first; r < fh; r += step) rows.push_back(r);
    } else {
        for (int r = 0; r < fh; ++r) rows.push_back(r);
    }
    // Every index is a code of its own, with a clear code before the table would grow a bit.
    const int clear = 1 << min_size;
    Bytes data;
    std::uint32_t bits = 0;
    int held = 0, since_clear = 0;
    const auto emit = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << held;
        for (held += min_size + 1; held >= 8; held -= 8, bits >>= 8)
            data.push_back(static_cast<std::uint8_t>(bits));
    };
    emit(clear);
    for (std::size_t n = 0; n < rows.size() * static_cast<std::size_t>(fw); ++n) {
        if (l.pixels_coded >= 0 && n == static_cast<std::size_t>(l.pixels_coded)) break;
        const int y = rows[n / static_cast<std::size_t>(fw)],
                  x = static_cast<int>(n % static_cast<std::size_t>(fw));
        const int i = index_at(x, y, limit);
        std::uint8_t* out = &f.pixels[static_cast<std::size_t>(((l.y + y) * width + l.x + x) * 4)];
        out[0] = out[1] = out[2] = out[3] = 0;  // a transparent pixel
        if (i != l.transparent) {
            for (int c = 0; c < 3; ++c) out[c] = colour(i, c);
            out[3] = 255;
        }
        if (since_clear == clear - 2) emit(clear), since_clear = 0;
        emit(i), ++since_clear;
    }
    emit(clear + 1);
    if (held > 0) data.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        f.bytes.push_back(static_cast<std::uint8_t>(n));
        f.bytes.insert(f.bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                       data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    f.bytes.insert(f.bytes.end(), {0, 0x3b});
    return f;
}

RasterFile png(const PngLayout& l, int w, int h) {
    const int d = l.bit_depth, entries = l.color_type == 3 ? 1 << d : 0;
    const int samples = l.color_type == 0   ? 1
                        : l.color_type == 4 ? 2
                        : l.color_type == 2 ? 3
                        : l.color_type == 6 ? 4
                                            : 1;
    RasterFile f{{}, w, h, l.color_type == 3 ? (l.transparency ? 4 : 3) : samples, {}};
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(p);
    png_set_write_fn(
        p, &f.bytes,
        [](png_structp s, png_bytep data, png_size_t n) {
            auto* out = static_cast<Bytes*>(png_get_io_ptr(s));
            out->insert(out->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(p, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), d, l.color_type,
                 l.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    for (int i = 0; i < entries; ++i) {
        palette.push_back({colour(i, 0), colour(i, 1), colour(i, 2)});
        alphas.push_back(static_cast<png_byte>((i * 37 + 5) & 255));
    }
    if (entries != 0) png_set_PLTE(p, info, palette.data(), entries);
    if (entries != 0 && l.transparency) png_set_tRNS(p, info, alphas.data(), entries, nullptr);
    png_write_info(p, info);
    std::vector<Bytes> rows(static_cast<std::size_t>(h),
                            Bytes(static_cast<std::size_t>((w * samples * d + 7) / 8), 0));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < samples; ++c) {
                const int v = sample(x, y, c);
                Bytes& row = rows[static_cast<std::size_t>(y)];
                const int at = x * samples + c;
                if (d == 16) {
                    row[static_cast<std::size_t>(2 * at)] = static_cast<std::uint8_t>(v);
                    row[static_cast<std::size_t>(2 * at + 1)] = static_cast<std::uint8_t>(v * 7 + 3);
                    f.pixels.push_back(static_cast<std::uint8_t>(v));
                } else if (entries != 0) {
                    const int i = index_at(x, y, entries);
                    row[static_cast<std::size_t>(at * d / 8)] |=
                        static_cast<std::uint8_t>(i << (8 - d - at * d % 8));
                    for (int k = 0; k < 3; ++k) f.pixels.push_back(colour(i, k));
                    if (l.transparency) f.pixels.push_back(alphas[static_cast<std::size_t>(i)]);
                } else {
                    const int s = v >> (8 - d);
                    row[static_cast<std::size_t>(at * d / 8)] |=
                        static_cast<std::uint8_t>(s << (8 - d - at * d % 8));
                    f.pixels.push_back(widen(s, d));
                }
            }
        }
    }
    std::vector<png_bytep> pointers;
    for (Bytes& row : rows) pointers.push_back(row.data());
    png_write_image(p, pointers.data());
    png_write_end(p, nullptr);
    png_destroy_write_struct(&p, &info);
    return f;
}

RasterFile jpeg(const JpegLayout& l, int w, int h) {
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &memory, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = l.components;
    c.in_color_space = l.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    if (l.components == 3 && !l.subsampled) c.comp_info[0].h_samp_factor = c.comp_info[0].v_samp_factor = 1;
    c.restart_interval = static_cast<unsigned>(l.restart);
    if (l.progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    Bytes row(static_cast<std::size_t>(w * l.components));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < l.components; ++k)
                row[static_cast<std::size_t>(x * l.components + k)] =
                    static_cast<std::uint8_t>(sample(x, y, k));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    RasterFile f{Bytes(memory, memory + size), w, h, l.components, {}};
    std::free(memory);
    return f;
}

std::vector<ForeignFile> foreign_files() {
    // `t` (embedded zeros included), then `n` bytes of `fill`.
    const auto bytes = [](const auto& t, std::size_t n = 0, std::uint8_t fill = 0x41) {
        Bytes b(std::begin(t), std::end(t) - 1);
        b.resize(b.size() + n, fill);
        return b;
    };
    const auto join = [](Bytes a, const Bytes& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Bytes tga{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 4, 0, 24, 0};
    // 4 x 4 RGB, 8 bits, then empty colour mode, resource and layer sections, raw planes.
    const Bytes psd = bytes("8BPS\0\1\0\0\0\0\0\0\0\3\0\0\0\4\0\0\0\4\0\10\0\3", 14, 0);
    // 2 x 2, one uncompressed packet of red, green and blue.
    const Bytes pic = join(bytes("S\x80\xf6\x34", 84), join(bytes("PICT\0\2\0\2", 8), {0, 8, 0, 0xe0}));
    return {
        {"binary PNM cut short", bytes("P6\n64 64\n255\n", 10)},
        {"binary PNM", bytes("P6\n4 2\n255\n", 24)},
        {"grey PNM", bytes("P5\n2 2\n255\n", 4)},
        {"PNM declaring 2500 x 2500", bytes("P6\n2500 2500\n255\n", 29)},
        {"TGA cut short", join(tga, Bytes(6, 0x41))},
        {"TGA", join(tga, Bytes(48, 0x41))},
        {"PSD cut short", join(psd, Bytes(5, 0x41))},
        {"PSD", join(psd, Bytes(48, 0x41))},
        {"HDR", bytes("#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 2\n", 16)},
        {"PIC cut short", join(pic, Bytes(3, 0x41)), true},
        {"PIC", join(pic, Bytes(12, 0x41))},
    };
}

std::vector<JpegScan> jpeg_scans(const Bytes& file) {
    std::vector<JpegScan> scans;
    std::size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xff && file[at + 1] != 0xd9) {
        const std::size_t start = at;
        at += 2 + (std::size_t{file[at + 2]} << 8 | file[at + 3]);
        if (file[start + 1] != 0xda) continue;
        while (at + 1 < file.size() &&
               !(file[at] == 0xff && file[at + 1] != 0 && (file[at + 1] < 0xd0 || file[at + 1] > 0xd7)))
            ++at;
        scans.push_back({start, at});
    }
    return scans;
}

}  // namespace pixmint::test
