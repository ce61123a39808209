// A palette PNG's own palette and indices as --keep-palette reads them: every bit depth, both
// interlace methods, a short or missing tRNS, unused entries, and the files it must refuse.
#include "pixmint/acquire/png_palette.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<Bytes>;  // one palette index per pixel

void put32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void chunk(Bytes& png, const char* type, const Bytes& body) {
    put32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    put32(png, crc32(&png[start], png.size() - start));
}

// A zlib stream of stored (uncompressed) blocks.
Bytes zlib_stored(const Bytes& data) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(data.size() - at, 65535);
        out.push_back(at + n == data.size() ? 1 : 0);
        out.insert(out.end(), {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                               static_cast<std::uint8_t>(~n), static_cast<std::uint8_t>(~n >> 8)});
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < data.size());
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : data) a = (a + byte) % 65521, b = (b + a) % 65521;
    put32(out, b << 16 | a);
    return out;
}

// One filter-0 scanline of `values` packed at `depth` bits, most significant bits first.
void scanline(Bytes& raw, const Bytes& values, int depth) {
    raw.push_back(0);
    unsigned acc = 0;
    int used = 0;
    for (const std::uint8_t v : values) {
        acc = acc << depth | v;
        used += depth;
        if (used == 8) raw.push_back(static_cast<std::uint8_t>(acc)), acc = 0, used = 0;
    }
    if (used != 0) raw.push_back(static_cast<std::uint8_t>(acc << (8 - used)));
}

struct Png {
    int depth = 8;
    Bytes plte;  // red, green, blue per entry
    std::optional<Bytes> trns;
    Rows indices;
    bool interlaced = false;
    std::uint8_t color_type = 3;
};

Bytes encode(const Png& p) {
    const auto h = static_cast<std::uint32_t>(p.indices.size());
    const auto w = static_cast<std::uint32_t>(p.indices.empty() ? 0 : p.indices[0].size());
    Bytes raw;
    if (p.interlaced) {
        constexpr std::uint32_t kPasses[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                                 {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        for (const auto& [x0, y0, dx, dy] : kPasses) {
            if (x0 >= w) continue;
            for (std::uint32_t y = y0; y < h; y += dy) {
                Bytes values;
                for (std::uint32_t x = x0; x < w; x += dx) values.push_back(p.indices[y][x]);
                scanline(raw, values, p.depth);
            }
        }
    } else {
        for (const Bytes& row : p.indices) scanline(raw, row, p.depth);
    }
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    put32(ihdr, w);
    put32(ihdr, h);
    ihdr.insert(ihdr.end(), {static_cast<std::uint8_t>(p.depth), p.color_type, 0, 0,
                             static_cast<std::uint8_t>(p.interlaced)});
    chunk(png, "IHDR", ihdr);
    if (!p.plte.empty()) chunk(png, "PLTE", p.plte);
    if (p.trns) chunk(png, "tRNS", *p.trns);
    chunk(png, "IDAT", zlib_stored(raw));
    chunk(png, "IEND", {});
    return png;
}

// `n` palette entries of distinct colours.
Bytes entries(int n) {
    Bytes plte;
    for (int i = 0; i < n; ++i)
        plte.insert(plte.end(), {static_cast<std::uint8_t>(i * 9), static_cast<std::uint8_t>(255 - i),
                                 static_cast<std::uint8_t>(i * 5 + 1)});
    return plte;
}

// A w x h picture of indices below `colors`, different in every row and column.
Rows picture(std::uint32_t w, std::uint32_t h, unsigned colors) {
    Rows rows(h, Bytes(w));
    for (std::uint32_t y = 0; y < h; ++y)
        for (std::uint32_t x = 0; x < w; ++x)
            rows[y][x] = static_cast<std::uint8_t>((x * 3 + y * 5 + x * y) % colors);
    return rows;
}

Bytes flat(const Rows& rows) {
    Bytes out;
    for (const Bytes& r : rows) out.insert(out.end(), r.begin(), r.end());
    return out;
}

TEST(PngPalette, EntriesInTheirOrderAlphaFromTrnsIndicesAsStored) {
    struct Case {
        const char* name;
        Png png;
    };
    const Case cases[] = {
        // Widths that leave padding bits in every row, at every depth; odd sizes through the
        // seven interlace passes, including passes with no pixels at all.
        {"1 bit, 13 wide", {1, entries(2), std::nullopt, picture(13, 3, 2)}},
        {"2 bits, 7 wide, short tRNS", {2, entries(4), Bytes{0, 77}, picture(7, 4, 4)}},
        {"4 bits, unused entries", {4, entries(11), Bytes{9, 8, 7}, picture(5, 5, 6)}},
        {"8 bits, full palette", {8, entries(256), Bytes(256, 31), picture(17, 2, 256)}},
        {"1 bit, interlaced 11 x 9", {1, entries(2), Bytes{0, 0}, picture(11, 9, 2), true}},
        {"2 bits, interlaced 3 x 5", {2, entries(3), std::nullopt, picture(3, 5, 3), true}},
        {"4 bits, interlaced 1 x 1", {4, entries(16), std::nullopt, picture(1, 1, 16), true}},
        {"8 bits, interlaced 9 x 10", {8, entries(100), Bytes{1, 2, 3}, picture(9, 10, 100), true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = read_palette_png(encode(c.png));
        ASSERT_TRUE(read.ok()) << static_cast<int>(read.error().kind);
        const PalettePng& got = read.value();
        EXPECT_EQ(got.width, c.png.indices[0].size());
        EXPECT_EQ(got.height, c.png.indices.size());
        ASSERT_EQ(got.indexed.palette.size() * 3, c.png.plte.size());
        for (std::size_t i = 0; i < got.indexed.palette.size(); ++i) {
            const std::uint8_t alpha = c.png.trns && i < c.png.trns->size() ? (*c.png.trns)[i] : 255;
            EXPECT_EQ(got.indexed.palette[i],
                      (Color32{c.png.plte[i * 3], c.png.plte[i * 3 + 1], c.png.plte[i * 3 + 2], alpha}))
                << "entry " << i;
        }
        EXPECT_EQ(got.indexed.index, flat(c.png.indices));
    }
}

TEST(PngPalette, RefusesWhatIsNoPalettePngOrIsMalformed) {
    Png rgb{8, {}, std::nullopt, {{1, 2, 3, 4, 5, 6}}, false, 2};
    Png past{4, entries(5), std::nullopt, {{0, 4, 1}, {2, 5, 9}}};
    Png long_trns{8, entries(2), Bytes{1, 2, 3}, {{0, 1}}};
    Png no_plte{8, {}, std::nullopt, {{0, 0}}};
    Bytes truncated = encode({8, entries(3), std::nullopt, picture(40, 40, 3)});
    truncated.resize(truncated.size() - 200);
    Bytes bad_crc = encode({8, entries(3), std::nullopt, picture(4, 4, 3)});
    bad_crc[33 + 8 + 9 + 3] ^= 0xff;  // the CRC of PLTE, which follows IHDR

    struct Case {
        const char* name;
        Bytes file;
        FailureKind kind;
        std::size_t colors = 0, index = 0;
    };
    const Case cases[] = {
        {"RGB PNG", encode(rgb), FailureKind::not_palette_png},
        {"BMP bytes", Bytes{'B', 'M', 0x3a, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0},
         FailureKind::not_palette_png},
        {"empty", {}, FailureKind::not_palette_png},
        // The first index past the end, in raster order, names the refusal.
        {"index past PLTE", encode(past), FailureKind::index_past_palette, 5, 5},
        {"tRNS longer than PLTE", encode(long_trns), FailureKind::image_load},
        {"no PLTE", encode(no_plte), FailureKind::image_load},
        {"image data cut short", truncated, FailureKind::image_load},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = read_palette_png(c.file);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().kind, c.kind);
        EXPECT_FALSE(read.error().output_still_written);
        EXPECT_EQ(read.error().count.colors, c.colors);
        EXPECT_EQ(read.error().count.index, c.index);
    }
    // Checksums are not checked, as the image decoder does not check them.
    EXPECT_TRUE(read_palette_png(bad_crc).ok());
}

}  // namespace
}  // namespace pixmint
