// The indexed, alpha-only, raw and binary outputs read back as LVGL v7 reads
// them: the generated C compiled against the stand-in lvgl.h, its data
// decoded the way LVGL's image decoder walks it (palette lookup, n-bit values
// per row, most significant bit first), and .bin files taken apart by their
// header word.
#include <gtest/gtest.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/pixmint/e2e/lvgl_decode.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

constexpr int kW = 37, kH = 9;  // an odd width, so that packed rows end in padding bits

// Writes a kW x kH RGBA PNG whose pixels use exactly `colors` distinct colours (alpha included).
Bytes write_few_colors(const std::string& path, int colors) {
    Bytes px;
    for (int i = 0; i < kW * kH; ++i) {
        const int k = (i * 7 + i / kW) % colors;
        px.insert(px.end(), {static_cast<std::uint8_t>(k * 37), static_cast<std::uint8_t>(255 - k),
                             static_cast<std::uint8_t>(k * 91), static_cast<std::uint8_t>(k * 53 + 40)});
    }
    EXPECT_NE(stbi_write_png(path.c_str(), kW, kH, 4, px.data(), kW * 4), 0);
    return px;
}

// Writes a kW x kH RGBA gradient with far more colours than any palette.
void write_gradient(const std::string& path) {
    Bytes px;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            px.insert(px.end(),
                      {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 28),
                       static_cast<std::uint8_t>(x * 3 + y * 11), static_cast<std::uint8_t>(255 - x * 2)});
    EXPECT_NE(stbi_write_png(path.c_str(), kW, kH, 4, px.data(), kW * 4), 0);
}

// The opacity LVGL draws for an n-bit alpha value (its opa tables: the value's bits repeated).
std::uint8_t opa_of(unsigned v, int bits) {
    if (bits == 8) return static_cast<std::uint8_t>(v);
    return static_cast<std::uint8_t>(v * 255 / ((1u << bits) - 1));
}

TEST(FormatsRoundTrip, FewColoursComeBackExactlyAndAlphaAsLvglDrawsIt) {
    TempDir dir;
    const struct {
        int bits, indexed_cf, alpha_cf;
    } kinds[] = {{1, 7, 11}, {2, 8, 12}, {4, 9, 13}, {8, 10, 14}};
    for (const auto [bits, indexed_cf, alpha_cf] : kinds) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        const std::string n = std::to_string(bits);
        const Bytes src = write_few_colors(dir / ("few" + n + ".png"), 1 << bits);
        const std::size_t rows = (static_cast<std::size_t>(kW) * static_cast<std::size_t>(bits) + 7) / 8 * kH;

        const auto gi =
            run_pixmint(dir.path(), {"-p", "few" + n + ".png", "-f", "indexed-" + n, "-n", "ix" + n});
        ASSERT_EQ(gi.status, 0) << gi.out;
        EXPECT_EQ(gi.out, "color depth: 0\n");
        // The same block whatever the firmware's colour depth.
        const Compiled ix = compile(dir, "ix" + n, 8);
        EXPECT_EQ(ix.header, header_of(kW, kH, indexed_cf, (std::size_t{4} << bits) + rows));
        EXPECT_EQ(compile(dir, "ix" + n, 32).data, ix.data);
        EXPECT_EQ(decode_indexed(ix.data, bits, kW, kH), src);

        const auto ga =
            run_pixmint(dir.path(), {"-p", "few" + n + ".png", "-f", "alpha-" + n, "-n", "al" + n});
        ASSERT_EQ(ga.status, 0) << ga.out;
        const Compiled al = compile(dir, "al" + n);
        EXPECT_EQ(al.header, header_of(kW, kH, alpha_cf, rows));
        for (int i = 0; i < kW * kH; ++i) {
            const unsigned a = src[static_cast<std::size_t>(i) * 4 + 3];
            const unsigned level = (a * ((1u << bits) - 1) + 127) / 255;
            ASSERT_EQ(opa_of(read_value(al.data, 0, kW, bits, i % kW, i / kW), bits), opa_of(level, bits))
                << "pixel " << i;
        }
    }
}

TEST(FormatsRoundTrip, QuantizedIndicesMatchThePreviewAndRawKeepsTheFile) {
    TempDir dir;
    write_gradient(dir / "grad.png");
    const auto g = run_pixmint(
        dir.path(), {"-p", "grad.png", "-f", "indexed-4", "--dither", "-d", "24", "--preview", "shown.png"});
    ASSERT_EQ(g.status, 0) << g.out;
    EXPECT_EQ(g.out, "color depth: 24\n");
    int w = 0, h = 0, comp = 0;
    stbi_uc* shown = stbi_load((dir / "shown.png").c_str(), &w, &h, &comp, 4);
    ASSERT_NE(shown, nullptr);
    const Bytes preview(shown, shown + kW * kH * 4);
    stbi_image_free(shown);
    EXPECT_EQ(decode_indexed(compile(dir, "grad").data, 4, kW, kH), preview);

    const std::string file = read_file(dir / "grad.png");
    const struct {
        const char* format;
        int cf;
    } raws[] = {{"raw", 1}, {"raw-alpha", 2}, {"raw-chroma-keyed", 3}};
    for (const auto& r : raws) {
        const auto run =
            run_pixmint(dir.path(), {"-p", "grad.png", "-f", r.format, "-n", "raw" + std::to_string(r.cf)});
        ASSERT_EQ(run.status, 0) << run.out;
        const Compiled c = compile(dir, "raw" + std::to_string(r.cf));
        EXPECT_EQ(c.header, header_of(kW, kH, r.cf, file.size()));
        EXPECT_EQ(std::string(c.data.begin(), c.data.end()), file);
    }
}

// A .bin file: its header word's fields, and the bytes after it.
struct BinFile {
    unsigned cf, always_zero, reserved, w, h;
    Bytes body;
};

BinFile read_bin(const std::string& path) {
    const std::string s = read_file(path);
    EXPECT_GE(s.size(), 4u) << path;
    if (s.size() < 4) return {};
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i) word = word << 8 | static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)]);
    return {word & 31,         word >> 5 & 7,     word >> 8 & 3,
            word >> 10 & 2047, word >> 21 & 2047, Bytes(s.begin() + 4, s.end())};
}

TEST(FormatsRoundTrip, BinaryFilesHoldWhatTheArraysHold) {
    TempDir dir;
    write_gradient(dir / "grad.png");
    struct Case {
        std::vector<std::string> args;  // besides -p grad.png
        unsigned cf;
        int lv_depth, lv_swap;  // the LVGL configuration whose array holds the same bytes
    };
    const Case cases[] = {
        {{"-f", "true-color", "-d", "8"}, 4, 8, 0},
        {{"-f", "true-color-alpha", "-d", "16"}, 5, 16, 0},
        {{"-f", "true-color-alpha", "-d", "16", "--swap"}, 5, 16, 1},
        {{"-f", "true-color-chroma-keyed", "-d", "16", "--dither"}, 6, 16, 0},
        {{"-f", "true-color-alpha", "-d", "24"}, 5, 32, 0},
        {{"-f", "indexed-2", "--dither"}, 8, 16, 0},
        {{"-f", "alpha-4"}, 13, 16, 0},
    };
    int i = 0;
    for (const Case& c : cases) {
        const std::string name = "case" + std::to_string(i++);
        SCOPED_TRACE(name);
        std::vector<std::string> args = {"-p", "grad.png", "-n", name};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::vector<std::string> array_args;
        for (const std::string& a : args)
            if (a != "--swap") array_args.push_back(a);
        args.push_back("--bin");
        const auto b = run_pixmint(dir.path(), args);
        ASSERT_EQ(b.status, 0) << b.out;
        const auto a = run_pixmint(dir.path(), array_args);
        ASSERT_EQ(a.status, 0) << a.out;
        EXPECT_EQ(a.out, b.out);  // the same depth line

        const BinFile bin = read_bin(dir / (name + ".bin"));
        EXPECT_EQ(bin.cf, c.cf);
        EXPECT_EQ(bin.always_zero, 0u);
        EXPECT_EQ(bin.reserved, 0u);
        EXPECT_EQ(bin.w, static_cast<unsigned>(kW));
        EXPECT_EQ(bin.h, static_cast<unsigned>(kH));
        EXPECT_EQ(bin.body, compile(dir, name, c.lv_depth, c.lv_swap).data);
    }
}

}  // namespace
}  // namespace pixmint::test
