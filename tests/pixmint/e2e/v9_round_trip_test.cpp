// LVGL v9 outputs read back as LVGL v9.2 reads them: the generated C compiled against the v9
// stand-in lvgl.h, its data decompressed (lv_rle_decompress's walk, LZ4_decompress_safe) and
// decoded the way the binary decoder and the software blenders read each format (stride, palette,
// packed rows, the RGB565A8 alpha plane), then compared with the source image and the preview.
#include <gtest/gtest.h>
#include <lz4.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/pixmint/e2e/lvgl9_decode.h"
#include "tests/pixmint/support/lv_rle_reader.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

constexpr int kW = 13, kH = 5;  // odd, so that rows end in padding and planes in half units

enum class Source { grey, grey_alpha, opaque, rgba, few2, few4, few16, few256 };

std::uint8_t u8(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// The RGBA pixels of a kW x kH source of kind `s`.
Bytes source_pixels(Source s) {
    Bytes px;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const int i = y * kW + x;
            int a = x == 0 ? 255 : x == 1 ? 0 : (x * 23 + y * 41) % 256;
            int r = x * 19, g = y * 50 + 3, b = x * 7 + y * 31;
            switch (s) {
                case Source::grey:
                    a = 255;
                    [[fallthrough]];
                case Source::grey_alpha:
                    r = g = b = x * 19 + y;
                    break;
                case Source::opaque:
                    a = 255;
                    break;
                case Source::rgba:
                    break;
                default: {
                    const int colors = s == Source::few2    ? 2
                                       : s == Source::few4  ? 4
                                       : s == Source::few16 ? 16
                                                            : 256;
                    const int k = (i * 7 + i / kW) % colors;
                    r = k * 37, g = 255 - k, b = k * 91, a = k * 53 + 40;
                }
            }
            px.insert(px.end(), {u8(r), u8(g), u8(b), u8(a)});
        }
    return px;
}

Bytes write_source(const std::string& path, Source s) {
    const Bytes px = source_pixels(s);
    EXPECT_NE(stbi_write_png(path.c_str(), kW, kH, 4, px.data(), kW * 4), 0);
    return px;
}

// What a generated lv_image_dsc_t holds once compiled.
struct Compiled {
    unsigned magic = 0, cf = 0, flags = 0, w = 0, h = 0, stride = 0;
    Bytes data;  // data_size bytes through .data
};

// Compiles `var`.c in `dir` against the v9 stand-in and dumps its descriptor and data. The dump
// fails unless data_size is the array's exact size.
Compiled compile(const TempDir& dir, const std::string& var) {
    lvforge::test::write_file(dir / "lvgl.h",
                              read_file(std::string(LVFORGE_SOURCE_DIR) + "/tests/support/lvgl/v9/lvgl.h"));
    const std::string src = var + "_dump.c", exe = dir / (var + "_dump");
    const std::string h = var + ".header.";
    lvforge::test::write_file(dir / src, "#include <stdio.h>\n#include \"" + var +
                                             ".c\"\nint main(void) {\n    printf(\"%u %u %u %u %u %u\\n\", " +
                                             "(unsigned)" + h + "magic, (unsigned)" + h + "cf, (unsigned)" +
                                             h + "flags, (unsigned)" + h + "w, (unsigned)" + h +
                                             "h, (unsigned)" + h + "stride);\n    fwrite(" + var +
                                             ".data, 1, " + var + ".data_size, stdout);\n    return " + var +
                                             ".data_size != sizeof " + var + "_map;\n}\n");
    const auto cc = lvforge::test::run(
        {"/bin/sh", "-c", "cc -std=c99 -Wall -Wextra -Wpedantic -Werror -o " + exe + " " + src},
        {.cwd = dir.path()});
    EXPECT_EQ(cc.status, 0) << cc.out << cc.err;
    const auto r = lvforge::test::run({exe});
    EXPECT_EQ(r.status, 0) << "data_size is not the array's size";
    Compiled c;
    const std::size_t eol = r.out.find('\n');
    if (eol == std::string::npos) return c;
    std::sscanf(r.out.c_str(), "%u %u %u %u %u %u", &c.magic, &c.cf, &c.flags, &c.w, &c.h, &c.stride);
    c.data.assign(r.out.begin() + static_cast<std::ptrdiff_t>(eol) + 1, r.out.end());
    return c;
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return b.at(at) | std::uint32_t{b.at(at + 1)} << 8 | std::uint32_t{b.at(at + 2)} << 16 |
           std::uint32_t{b.at(at + 3)} << 24;
}

// The data block a compressed image decompresses to (the data itself when not compressed),
// checked as decode_compressed checks it.
Bytes decompressed(const Compiled& c) {
    if ((c.flags & 0x08) == 0) return c.data;
    EXPECT_GE(c.data.size(), 12u);
    if (c.data.size() < 12) return {};
    const unsigned method = le32(c.data, 0) & 0xF;
    EXPECT_EQ(le32(c.data, 4), c.data.size() - 12) << "compressed size";
    Bytes out(le32(c.data, 8));
    const Bytes body(c.data.begin() + 12, c.data.end());
    if (method == 1) {
        const std::size_t unit = c.cf == 0x14 ? 2 : (v9_bits_of_cf(c.cf) + 7) / 8;
        EXPECT_EQ(lv_rle_decompress(body, out, unit), out.size());
    } else {
        EXPECT_EQ(method, 2u);
        const int n = LZ4_decompress_safe(reinterpret_cast<const char*>(body.data()),
                                          reinterpret_cast<char*>(out.data()), static_cast<int>(body.size()),
                                          static_cast<int>(out.size()));
        EXPECT_EQ(n, static_cast<int>(out.size()));
    }
    return out;
}

Bytes read_png(const std::string& path) {
    int w = 0, h = 0, comp = 0;
    stbi_uc* shown = stbi_load(path.c_str(), &w, &h, &comp, 4);
    EXPECT_NE(shown, nullptr) << path;
    if (shown == nullptr) return {};
    Bytes px(shown, shown + w * h * 4);
    stbi_image_free(shown);
    return px;
}

// How a decoded image must match its source.
enum class Match {
    exact,          // every byte
    rgb565,         // colours within a 5-6-5 step, alpha exact
    alpha_only,     // black, alpha within half a step of the format's bits
    premultiplied,  // colours scaled by alpha / 256 (transparent black), alpha exact
};

struct Case {
    const char* format;
    Source source;
    std::vector<std::string> args;  // besides -p, -n, -f and --lvgl 9
    Match match;
    unsigned cf, stride;
};

void expect_match(const Bytes& got, const Bytes& src, Match match, unsigned bits) {
    ASSERT_EQ(got.size(), src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        const int g = got[i], s = src[i];
        const bool alpha = i % 4 == 3;
        const int a = src[i - i % 4 + 3];
        switch (match) {
            case Match::exact:
                ASSERT_EQ(g, s) << "byte " << i;
                break;
            case Match::rgb565:
                ASSERT_LE(std::abs(g - s), alpha ? 0 : 8) << "byte " << i;
                break;
            case Match::alpha_only:
                ASSERT_LE(std::abs(g - (alpha ? s : 0)), alpha ? 128 / ((1 << bits) - 1) + 1 : 0)
                    << "byte " << i;
                break;
            case Match::premultiplied:
                ASSERT_EQ(g, alpha ? s : a == 255 ? s : s * a >> 8) << "byte " << i;
                break;
        }
    }
}

TEST(V9RoundTrip, EveryFormatDecodesToTheSourceAndThePreview) {
    TempDir dir;
    const Case cases[] = {
        {"l8", Source::grey, {}, Match::exact, 0x06, 13},
        {"al88", Source::grey_alpha, {"--align", "8"}, Match::exact, 0x15, 32},
        {"i1", Source::few2, {}, Match::exact, 0x07, 2},
        {"indexed-2", Source::few4, {"--align", "4"}, Match::exact, 0x08, 4},
        {"i4", Source::few16, {}, Match::exact, 0x09, 7},
        {"i8", Source::few256, {"--dither"}, Match::exact, 0x0A, 13},
        {"i4", Source::few16, {"--premultiply"}, Match::premultiplied, 0x09, 7},
        {"indexed-auto", Source::few16, {}, Match::exact, 0x09, 7},  // settles on I4
        {"a1", Source::rgba, {}, Match::alpha_only, 0x0B, 2},
        {"alpha-2", Source::rgba, {"--align", "2"}, Match::alpha_only, 0x0C, 4},
        {"a4", Source::rgba, {}, Match::alpha_only, 0x0D, 7},
        {"a8", Source::rgba, {}, Match::alpha_only, 0x0E, 13},
        {"rgb565", Source::opaque, {}, Match::rgb565, 0x12, 26},
        {"rgb565", Source::opaque, {"--dither"}, Match::rgb565, 0x12, 26},
        {"rgb565a8", Source::rgba, {}, Match::rgb565, 0x14, 26},  // a block of 195 bytes: RLE cuts a unit
        {"argb8565", Source::rgba, {"--align", "4"}, Match::rgb565, 0x13, 40},
        {"rgb888", Source::opaque, {"--align", "16"}, Match::exact, 0x0F, 48},
        {"xrgb8888", Source::opaque, {}, Match::exact, 0x11, 52},
        {"argb8888", Source::rgba, {}, Match::exact, 0x10, 52},
        {"argb8888", Source::rgba, {"--premultiply"}, Match::premultiplied, 0x10, 52},
    };
    const char* const kSourceNames[] = {"grey", "grey_alpha", "opaque", "rgba",
                                        "few2", "few4",       "few16",  "few256"};
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "img" + std::to_string(n++);
        SCOPED_TRACE(name + ": " + c.format);
        const std::string png = std::string(kSourceNames[static_cast<int>(c.source)]) + ".png";
        const Bytes src = write_source(dir / png, c.source);
        std::vector<std::string> args = {"--lvgl", "9", "-p", png, "-f", c.format};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const bool premultiplied = c.match == Match::premultiplied;

        auto plain = args;
        plain.insert(plain.end(), {"-n", name, "--preview", name + ".png"});
        const auto run = run_pixmint(dir.path(), plain);
        ASSERT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(run.out, "");
        const Compiled img = compile(dir, name);
        EXPECT_EQ(img.magic, 0x19u);
        EXPECT_EQ(img.cf, c.cf);
        EXPECT_EQ(img.flags, premultiplied ? 1u : 0u);
        EXPECT_EQ(img.w, static_cast<unsigned>(kW));
        EXPECT_EQ(img.h, static_cast<unsigned>(kH));
        EXPECT_EQ(img.stride, c.stride);
        const Bytes shown = decode_v9({img.cf, img.w, img.h, img.stride}, img.data);
        expect_match(shown, src, c.match, v9_bits_of_cf(c.cf));
        EXPECT_EQ(shown, read_png(dir / (name + ".png"))) << "the preview is not what LVGL draws";

        for (const char* method : {"rle", "lz4"}) {
            SCOPED_TRACE(method);
            const std::string packed = name + method;
            auto compressed = args;
            compressed.insert(compressed.end(), {"-n", packed, "--compress", method});
            ASSERT_EQ(run_pixmint(dir.path(), compressed).status, 0);
            const Compiled z = compile(dir, packed);
            EXPECT_EQ(z.flags, (premultiplied ? 1u : 0u) | 8u);
            EXPECT_EQ(z.stride, c.stride);
            EXPECT_EQ(decompressed(z), img.data);

            compressed.push_back("--bin");
            ASSERT_EQ(run_pixmint(dir.path(), compressed).status, 0);
            const Bytes head = {0x19,
                                u8(static_cast<int>(c.cf)),
                                u8(static_cast<int>(z.flags)),
                                0,
                                kW,
                                0,
                                kH,
                                0,
                                u8(static_cast<int>(c.stride)),
                                0,
                                0,
                                0};
            Bytes bin = head;
            bin.insert(bin.end(), z.data.begin(), z.data.end());
            const std::string file = read_file(dir / (packed + ".bin"));
            EXPECT_EQ(Bytes(file.begin(), file.end()), bin) << "the .bin is not the header and the array";
        }
    }
}

TEST(V9RoundTrip, AStreamedImageAsWideAsV9AllowsDecodesToItsSource) {
    // 2500 pixels wide and tall enough to be decoded as it is written, in many chunks of rows.
    constexpr int kWide = 2500, kTall = 64;
    TempDir dir;
    const Bytes src = pattern(kWide, kTall, 4);
    ASSERT_NE(stbi_write_png((dir / "wide.png").c_str(), kWide, kTall, 4, src.data(), kWide * 4), 0);
    const struct {
        std::vector<std::string> args;
        Match match;
        unsigned cf, stride;
    } cases[] = {
        {{"-f", "argb8888", "--align", "64"}, Match::exact, 0x10, 10048},
        {{"-f", "rgb565a8", "--compress", "lz4"}, Match::rgb565, 0x14, 5000},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "wide" + std::to_string(n++);
        SCOPED_TRACE(name);
        std::vector<std::string> args{"--lvgl", "9",  "-p",        "wide.png",
                                      "-n",     name, "--preview", name + ".png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = run_pixmint(dir.path(), args);
        ASSERT_EQ(run.status, 0) << run.out;
        const Compiled img = compile(dir, name);
        EXPECT_EQ(img.cf, c.cf);
        EXPECT_EQ(img.w, static_cast<unsigned>(kWide));
        EXPECT_EQ(img.h, static_cast<unsigned>(kTall));
        EXPECT_EQ(img.stride, c.stride);
        const Bytes shown = decode_v9({img.cf, img.w, img.h, img.stride}, decompressed(img));
        expect_match(shown, src, c.match, v9_bits_of_cf(c.cf));
        EXPECT_TRUE(shown == read_png(dir / (name + ".png"))) << "the preview is not what LVGL draws";
    }
}

}  // namespace
}  // namespace pixmint::test
