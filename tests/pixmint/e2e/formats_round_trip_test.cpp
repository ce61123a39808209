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

// What a generated lv_img_dsc_t holds once compiled.
struct Compiled {
    std::string header;  // "w h cf data_size"
    Bytes data;          // the array, through .data
};

// Compiles `var`.c in `dir` at LVGL's `depth` and swap setting and dumps its descriptor and
// array. For the one-block formats the dump fails unless data_size is the array's exact size.
Compiled compile(const TempDir& dir, const std::string& var, int depth = 16, int swap = 0) {
    lvforge::test::write_file(dir / "lvgl.h",
                              read_file(std::string(LVFORGE_SOURCE_DIR) + "/examples/firmware/lvgl/lvgl.h"));
    lvforge::test::write_file(dir / "lv_conf.h", "");
    const std::string src = var + "_dump.c", exe = dir / (var + "_dump");
    lvforge::test::write_file(dir / src, "#include <stdio.h>\n#include \"" + var +
                                             ".c\"\nint main(void) {\n"
                                             "    printf(\"%u %u %u %u\\n\", (unsigned)" +
                                             var + ".header.w, (unsigned)" + var + ".header.h, (unsigned)" +
                                             var + ".header.cf, (unsigned)" + var +
                                             ".data_size);\n"
                                             "    fwrite(" +
                                             var + ".data, 1, sizeof " + var +
                                             "_map, stdout);\n"
                                             "    return " +
                                             var + ".header.cf < LV_IMG_CF_TRUE_COLOR || " + var +
                                             ".header.cf > LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED ? " + var +
                                             ".data_size != sizeof " + var + "_map : 0;\n}\n");
    const auto cc = lvforge::test::run(
        {"/bin/sh", "-c",
         "cc -std=c99 -Wall -Wextra -Wpedantic -Werror -DLV_COLOR_DEPTH=" + std::to_string(depth) +
             " -DLV_COLOR_16_SWAP=" + std::to_string(swap) + " -o " + exe + " " + src},
        {.cwd = dir.path()});
    EXPECT_EQ(cc.status, 0) << cc.out << cc.err;
    const auto r = lvforge::test::run({exe});
    EXPECT_EQ(r.status, 0) << "data_size is not the array's size";
    const std::size_t eol = r.out.find('\n');
    return {r.out.substr(0, eol), Bytes(r.out.begin() + static_cast<std::ptrdiff_t>(eol) + 1, r.out.end())};
}

// The value of pixel (x, y) in n-bit data starting at `ofs`, read as LVGL reads it: rows of
// (w * n + 7) / 8 bytes, the first pixel of a byte in its highest bits.
unsigned read_value(const Bytes& data, std::size_t ofs, int w, int bits, int x, int y) {
    const std::size_t stride = (static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const std::uint8_t byte = data.at(ofs + stride * static_cast<std::size_t>(y) + bit / 8);
    return (byte >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
}

// RGBA pixels of indexed data, palette entries being lv_color32_t (blue, green, red, alpha).
Bytes decode_indexed(const Bytes& data, int bits) {
    Bytes px;
    const std::size_t palette = (std::size_t{1} << bits) * 4;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const std::size_t e = read_value(data, palette, kW, bits, x, y) * 4u;
            px.insert(px.end(), {data.at(e + 2), data.at(e + 1), data.at(e), data.at(e + 3)});
        }
    return px;
}

// The opacity LVGL draws for an n-bit alpha value (its opa tables: the value's bits repeated).
std::uint8_t opa_of(unsigned v, int bits) {
    if (bits == 8) return static_cast<std::uint8_t>(v);
    return static_cast<std::uint8_t>(v * 255 / ((1u << bits) - 1));
}

std::string header_of(int w, int h, int cf, std::size_t size) {
    return std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(cf) + " " +
           std::to_string(size);
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
        EXPECT_EQ(decode_indexed(ix.data, bits), src);

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
    EXPECT_EQ(decode_indexed(compile(dir, "grad").data, 4), preview);

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
