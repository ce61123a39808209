// Every output of one pipeline holds the same image: for each family of
// formats, the .bin holds exactly the bytes of the C array, and the preview
// shows exactly what those bytes show when decoded as a display decodes
// them. The image is a PNG streamed in several chunks of rows. Under LVGL
// v9 the same, and a compressed block decompresses to the uncompressed one.
#include <gtest/gtest.h>
#include <lz4.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdint>
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

constexpr int kW = 301, kH = 500;

// Noisy gradients with varied alpha, every 37th pixel pure green (LVGL's transparent colour).
Bytes write_image(const std::string& path) {
    Bytes px;
    unsigned seed = 1;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int n = static_cast<int>(seed >> 16 & 15);
            if ((y * kW + x) % 37 == 0) {
                px.insert(px.end(), {0, 255, 0, 255});
                continue;
            }
            px.insert(px.end(),
                      {static_cast<std::uint8_t>(x * 255 / kW + n), static_cast<std::uint8_t>(y * 255 / kH),
                       static_cast<std::uint8_t>((x + y) * 127 / (kW + kH) + n),
                       static_cast<std::uint8_t>(255 - (x / 20) * 8 - n)});
        }
    EXPECT_NE(stbi_write_png(path.c_str(), kW, kH, 4, px.data(), kW * 4), 0);
    return px;
}

// The bytes of the array in a generated C file: those of the section `guard` opens (the whole
// array when empty), read from their texts.
Bytes array_bytes(const std::string& c, const std::string& guard) {
    std::size_t from = c.find("_map[] = {\n");
    std::size_t to = c.find("};\n", from);
    if (!guard.empty()) {
        from = c.find(guard, from);
        to = c.find("#endif\n", from);
    }
    Bytes out;
    // Array items only: "0x" and two digits, then a comma ("Alpha 0xFF: 8 bit" is a comment).
    for (std::size_t at = c.find("0x", from); at < to; at = c.find("0x", at + 4))
        if (c[at + 4] == ',')
            out.push_back(static_cast<std::uint8_t>(std::stoul(c.substr(at + 2, 2), nullptr, 16)));
    return out;
}

// A display's 8-bit value for an n-bit code: the code's bits repeated downwards.
std::uint8_t widen(unsigned code, int bits) {
    unsigned v = 0;
    for (int shift = 8 - bits; shift > -bits; shift -= bits) v |= shift >= 0 ? code << shift : code >> -shift;
    return static_cast<std::uint8_t>(v);
}

// RGBA a display shows for red, green and blue kept at `depth` (8, 16 or 32).
void show_colour(std::uint8_t r, std::uint8_t g, std::uint8_t b, int depth, std::uint8_t* out) {
    const int rb = depth == 8    ? 3
                   : depth == 16 ? 5
                                 : 8,
              gb = depth == 8    ? 3
                   : depth == 16 ? 6
                                 : 8,
              bb = depth == 8    ? 2
                   : depth == 16 ? 5
                                 : 8;
    out[0] = widen(unsigned{r} >> (8 - rb), rb);
    out[1] = widen(unsigned{g} >> (8 - gb), gb);
    out[2] = widen(unsigned{b} >> (8 - bb), bb);
}

// What a display shows for the array `data` of the format `format` at `depth`.
Bytes decode(const Bytes& data, const std::string& format, int depth) {
    Bytes px(std::size_t{kW} * kH * 4);
    const std::size_t n = px.size() / 4;
    if (format.starts_with("true-color")) {
        const bool alpha = format == "true-color-alpha";
        const std::size_t step = depth == 32 ? 4 : (depth == 16 ? 2u : 1u) + (alpha ? 1u : 0u);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t* p = &data.at(i * step);
            std::uint8_t* o = &px[i * 4];
            if (depth == 8) {
                o[0] = widen(p[0] >> 5u, 3), o[1] = widen(p[0] >> 2u & 7u, 3), o[2] = widen(p[0] & 3u, 2);
            } else if (depth == 16) {
                const unsigned v = p[0] | unsigned{p[1]} << 8;
                o[0] = widen(v >> 11, 5), o[1] = widen(v >> 5 & 63, 6), o[2] = widen(v & 31, 5);
            } else {
                o[0] = p[2], o[1] = p[1], o[2] = p[0];
            }
            o[3] = depth == 32 ? p[3] : alpha ? p[step - 1] : 255;
            if (format == "true-color-chroma-keyed") o[3] = o[0] == 0 && o[1] == 255 && o[2] == 0 ? 0 : 255;
        }
        return px;
    }
    if (format == "rgb565a8") {
        // LVGL v8: the 16-bit colour plane, then the alpha plane; v8 mixes 16-bit colours in 32 steps.
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned v = data.at(i * 2) | unsigned{data.at(i * 2 + 1)} << 8;
            std::uint8_t* o = &px[i * 4];
            o[0] = widen(v >> 11, 5), o[1] = widen(v >> 5 & 63, 6), o[2] = widen(v & 31, 5);
            o[3] = static_cast<std::uint8_t>((((data.at(n * 2 + i) + 4u) >> 3) * 255 + 16) / 32);
        }
        return px;
    }
    const int bits = format.back() - '0';
    const std::size_t stride = (std::size_t{kW} * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t palette = format.starts_with("indexed") ? (std::size_t{4} << bits) : 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t bit = (i % kW) * static_cast<std::size_t>(bits);
        const unsigned v = unsigned{data.at(palette + (i / kW) * stride + bit / 8)} >>
                               (8 - bits - static_cast<int>(bit % 8)) &
                           ((1u << bits) - 1);
        std::uint8_t* o = &px[i * 4];
        if (palette == 0) {
            o[0] = o[1] = o[2] = 0, o[3] = widen(v, bits);  // black under the alpha
        } else {
            const std::uint8_t* e = &data.at(v * 4);  // blue, green, red, alpha
            show_colour(e[2], e[1], e[0], depth, o);
            // LVGL v7 chroma keys indexed images too: a colour shown as pure green is transparent.
            o[3] = o[0] == 0 && o[1] == 255 && o[2] == 0 ? 0 : e[3];
        }
    }
    return px;
}

Bytes read_png(const std::string& path) {
    int w = 0, h = 0, n = 0;
    stbi_uc* p = stbi_load(path.c_str(), &w, &h, &n, 4);
    if (p == nullptr || w != kW || h != kH) return {};
    Bytes out(p, p + std::size_t{kW} * kH * 4);
    stbi_image_free(p);
    return out;
}

TEST(SinksAgree, TheBinTheArrayAndThePreviewHoldTheSameImage) {
    TempDir dir;
    const Bytes source = write_image(dir / "img.png");
    struct Case {
        std::string format;
        std::string depth;  // -d
        std::vector<std::string> more;
        std::string guard;  // the section the .bin matches; "" for the one-block formats
    };
    const Case cases[] = {
        {"true-color", "8", {}, "#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8"},
        {"true-color-alpha", "16", {"--dither"}, "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0"},
        {"true-color-chroma-keyed", "16", {}, "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0"},
        {"true-color-alpha", "24", {}, "#if LV_COLOR_DEPTH == 32"},
        {"indexed-4", "16", {"--dither"}, ""},
        {"indexed-8", "8", {}, ""},
        {"alpha-2", "16", {}, ""},
        {"rgb565a8", "16", {"--lvgl", "8", "--dither"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format + " -d " + c.depth);
        std::vector<std::string> args{"-p", "img.png", "-f", c.format, "-d", c.depth};
        args.insert(args.end(), c.more.begin(), c.more.end());
        auto array_args = args, bin_args = args;
        array_args.insert(array_args.end(), {"--preview", "array.png"});
        bin_args.insert(bin_args.end(), {"--bin", "--preview", "bin.png"});
        ASSERT_EQ(run_pixmint(dir.path(), array_args).status, 0);
        ASSERT_EQ(run_pixmint(dir.path(), bin_args).status, 0);

        const Bytes array = array_bytes(read_file(dir / "img.c"), c.guard);
        const std::string bin = read_file(dir / "img.bin");
        ASSERT_GT(bin.size(), 4u);
        EXPECT_TRUE(Bytes(bin.begin() + 4, bin.end()) == array) << "the .bin is not the array";
        const int depth = c.depth == "24" ? 32 : std::stoi(c.depth);
        const Bytes shown = read_png(dir / "array.png");
        EXPECT_TRUE(shown == decode(array, c.format, depth)) << "the preview is not the array";
        EXPECT_TRUE(read_png(dir / "bin.png") == shown);
    }
    // A raw format keeps the file; its preview shows the file decoded.
    ASSERT_EQ(run_pixmint(dir.path(), {"-p", "img.png", "-f", "raw", "--preview", "raw.png"}).status, 0);
    const std::string file = read_file(dir / "img.png");
    EXPECT_TRUE(array_bytes(read_file(dir / "img.c"), "") == Bytes(file.begin(), file.end()));
    EXPECT_TRUE(read_png(dir / "raw.png") == source);
}

// The block a v9 .bin or array holds after lv_image_compressed_t's 12 bytes, decompressed by
// `method` (1 RLE in units of `unit` bytes, 2 LZ4) to the size the header gives.
Bytes decompressed(const Bytes& data, std::size_t unit) {
    if (data.size() < 12) return {};
    const auto le32 = [&](std::size_t at) {
        return data[at] | std::uint32_t{data[at + 1]} << 8 | std::uint32_t{data[at + 2]} << 16 |
               std::uint32_t{data[at + 3]} << 24;
    };
    Bytes out(le32(8));
    const Bytes body(data.begin() + 12, data.end());
    EXPECT_EQ(le32(4), body.size());
    if (le32(0) == 1) {
        EXPECT_EQ(lv_rle_decompress(body, out, unit), out.size());
    } else {
        EXPECT_EQ(LZ4_decompress_safe(reinterpret_cast<const char*>(body.data()),
                                      reinterpret_cast<char*>(out.data()), static_cast<int>(body.size()),
                                      static_cast<int>(out.size())),
                  static_cast<int>(out.size()));
    }
    return out;
}

TEST(SinksAgree, UnderV9TooAndCompressedBlocksHoldTheSameRows) {
    TempDir dir;
    write_image(dir / "img.png");
    struct Case {
        std::vector<std::string> args;  // after --lvgl 9 -p img.png
        unsigned cf;
    };
    const Case cases[] = {
        {{"-f", "argb8888", "--premultiply"}, 0x10},
        {{"-f", "rgb565", "--dither", "--align", "8"}, 0x12},
        {{"-f", "al88"}, 0x15},
        {{"-f", "rgb565a8", "--align", "8"}, 0x14},
        {{"-f", "argb8565", "--premultiply"}, 0x13},
        {{"-f", "i4", "--dither", "--align", "4"}, 0x09},
        {{"-f", "a2", "--align", "16"}, 0x0C},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const auto run = [&](std::vector<std::string> more) {
            std::vector<std::string> args{"--lvgl", "9", "-p", "img.png"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            args.insert(args.end(), more.begin(), more.end());
            const auto r = run_pixmint(dir.path(), args);
            EXPECT_EQ(r.status, 0) << r.out;
        };
        const auto bin_data = [&] {
            const std::string bin = read_file(dir / "img.bin");
            EXPECT_GT(bin.size(), 12u);
            EXPECT_EQ(bin.substr(0, 2), std::string({0x19, static_cast<char>(c.cf)}));
            return Bytes(bin.begin() + 12, bin.end());
        };
        run({"--preview", "array.png"});
        const Bytes array = array_bytes(read_file(dir / "img.c"), "");
        run({"--bin", "--preview", "bin.png"});
        const std::string bin = read_file(dir / "img.bin");
        EXPECT_TRUE(bin_data() == array) << "the .bin is not the array";
        const auto stride = static_cast<unsigned>(static_cast<std::uint8_t>(bin.at(8)) |
                                                  static_cast<std::uint8_t>(bin.at(9)) << 8);
        const Bytes shown = read_png(dir / "array.png");
        EXPECT_TRUE(shown == decode_v9({c.cf, kW, kH, stride}, array)) << "the preview is not the array";
        EXPECT_TRUE(read_png(dir / "bin.png") == shown);

        const std::size_t unit = c.cf == 0x14 ? 2 : (v9_bits_of_cf(c.cf) + 7) / 8;
        run({"--compress", "lz4", "--preview", "lz4.png"});
        EXPECT_TRUE(decompressed(array_bytes(read_file(dir / "img.c"), ""), unit) == array);
        EXPECT_TRUE(read_png(dir / "lz4.png") == shown);
        run({"--compress", "rle", "--bin"});
        EXPECT_TRUE(decompressed(bin_data(), unit) == array);
    }
}

}  // namespace
}  // namespace pixmint::test
