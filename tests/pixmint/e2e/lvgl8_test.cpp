// --lvgl 8 read back as LVGL v8.3 reads it: the generated C compiled against
// v8's stand-in lvgl.h, its data walked through v8's own types (lv_color_t at
// LV_COLOR_DEPTH 16 in both byte orders, the alpha plane after
// sizeof(lv_color_t) * w * h bytes), .bin files taken apart by their header
// word, and previews compared with how v8 draws.
// Indexed images are the files v7 reads (checked below and by the v7 round
// trips); their v8 previews are golden cases (lvgl8/indexed_green_drawn).
#include <gtest/gtest.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;
using Bytes = std::vector<std::uint8_t>;

constexpr int kW = 13, kH = 5;

// The 8-bit value a `bits`-bit channel shows (its bits repeated), so that 5-6-5 keeps it exactly.
std::uint8_t widen(unsigned code, int bits) {
    return static_cast<std::uint8_t>(code << (8 - bits) | code >> (2 * bits - 8));
}

// A kW x kH RGBA image whose colours 5-6-5 holds exactly, with every alpha that lands on an
// edge of v8's 32-step mix (0, 3, 4, 128, 129, 251, 252, 255) and values between.
Bytes representable_pixels() {
    const std::uint8_t alphas[] = {0, 3, 4, 11, 12, 128, 129, 200, 251, 252, 254, 255, 77};
    Bytes px;
    for (int i = 0; i < kW * kH; ++i) {
        px.insert(px.end(),
                  {widen(static_cast<unsigned>(i * 7) % 32, 5), widen(static_cast<unsigned>(i * 13) % 64, 6),
                   widen(static_cast<unsigned>(31 - i % 32), 5), alphas[i % 13]});
    }
    return px;
}

void write_rgba_png(const std::string& path, int w, int h, const Bytes& px) {
    ASSERT_NE(stbi_write_png(path.c_str(), w, h, 4, px.data(), w * 4), 0) << path;
}

Bytes load_rgba_png(const std::string& path) {
    int w = 0, h = 0, n = 0;
    stbi_uc* p = stbi_load(path.c_str(), &w, &h, &n, 4);
    EXPECT_NE(p, nullptr) << path;
    if (p == nullptr) return {};
    Bytes px(p, p + static_cast<std::ptrdiff_t>(w) * h * 4);
    stbi_image_free(p);
    return px;
}

// What a compiled program printed, or the compiler's complaint.
struct Compiled {
    bool ok = false;
    std::string out;  // the program's output
    std::string err;  // the compiler's output when it failed
};

// Compiles `var`.c with `main_body` against LVGL v8's stand-in at `depth` and `swap`, and runs it.
Compiled compile_v8(const TempDir& dir, const std::string& var, const std::string& main_body, int depth,
                    int swap) {
    write_file(dir / "lvgl.h", read_file(lvforge::test::lvgl_stand_in(8)));
    write_file(dir / "lv_conf.h", "");
    const std::string tag = var + "_" + std::to_string(depth) + "_" + std::to_string(swap);
    const std::string src = tag + ".c", exe = dir / tag;
    write_file(dir / src,
               "#include <stdio.h>\n#include \"" + var + ".c\"\nint main(void) {\n" + main_body + "}\n");
    const auto cc = lvforge::test::run(
        {"/bin/sh", "-c",
         "cc -std=c99 -Wall -Wextra -Wpedantic -Werror -DLV_COLOR_DEPTH=" + std::to_string(depth) +
             " -DLV_COLOR_16_SWAP=" + std::to_string(swap) + " -o " + exe + " " + src},
        {.cwd = dir.path()});
    if (cc.status != 0) return {false, "", cc.out + cc.err};
    const auto r = lvforge::test::run({exe});
    EXPECT_EQ(r.status, 0) << tag;
    return {true, r.out, ""};
}

// A program body that prints "w h cf data_size sizeof_map" and then every pixel of an rgb565a8
// image as red, green, blue, alpha bytes, read the way LVGL v8 reads them: the colour as
// lv_color_t, the alpha byte sizeof(lv_color_t) * w * h bytes further on.
std::string rgb565a8_reader(const std::string& var) {
    return "    const lv_img_dsc_t* d = &" + var +
           ";\n"
           "    printf(\"%u %u %u %u %u\\n\", (unsigned)d->header.w, (unsigned)d->header.h, "
           "(unsigned)d->header.cf, (unsigned)d->data_size, (unsigned)sizeof " +
           var +
           "_map);\n"
           "    const lv_color_t* c = (const lv_color_t*)d->data;\n"
           "    const lv_opa_t* a = d->data + sizeof(lv_color_t) * d->header.w * d->header.h;\n"
           "    for (unsigned i = 0; i < (unsigned)d->header.w * d->header.h; i++) {\n"
           "#if LV_COLOR_16_SWAP\n"
           "        unsigned g = (unsigned)(c[i].ch.green_h << 3 | c[i].ch.green_l);\n"
           "#else\n"
           "        unsigned g = c[i].ch.green;\n"
           "#endif\n"
           "        unsigned r = c[i].ch.red, b = c[i].ch.blue;\n"
           "        putchar((int)(r << 3 | r >> 2)); putchar((int)(g << 2 | g >> 4));\n"
           "        putchar((int)(b << 3 | b >> 2)); putchar(a[i]);\n"
           "    }\n"
           "    return 0;\n";
}

// A .bin file: its header word's fields, and the bytes after it.
struct BinFile {
    unsigned cf = 0, always_zero = 0, w = 0, h = 0;
    Bytes body;
};

BinFile read_bin(const std::string& path) {
    const std::string s = read_file(path);
    if (s.size() < 4) return {};
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i) word = word << 8 | static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)]);
    return {word & 31, word >> 5 & 7, word >> 10 & 2047, word >> 21 & 2047, Bytes(s.begin() + 4, s.end())};
}

// The bytes of the map array as written in the C file: every 0x.. item between its braces.
Bytes map_bytes(const std::string& c_file) {
    Bytes out;
    const std::size_t open = c_file.find("_map[] = {\n"), close = c_file.find("};\n", open);
    for (std::size_t i = c_file.find(" 0x", open); i < close; i = c_file.find(" 0x", i + 1))
        out.push_back(static_cast<std::uint8_t>(std::stoul(c_file.substr(i + 3, 2), nullptr, 16)));
    return out;
}

// v8's blender mixes a 16-bit colour in 32 steps: the ratio lv_color_mix uses for alpha `a`.
unsigned v8_mix_steps(unsigned a) {
    return (a + 4) >> 3;
}

TEST(Lvgl8, Rgb565a8ReadsBackExactlyInBothByteOrdersAndAsThePreviewShowsIt) {
    TempDir dir;
    const Bytes src = representable_pixels();
    write_rgba_png(dir / "src.png", kW, kH, src);
    for (const int swap : {0, 1}) {
        SCOPED_TRACE("LV_COLOR_16_SWAP " + std::to_string(swap));
        const std::string var = "img" + std::to_string(swap);
        // -d 24 asks for a depth rgb565a8 does not have: the preview still shows 16 bits.
        std::vector<std::string> args = {"-p", "src.png", "-f",        "rgb565a8",  "--lvgl", "8",
                                         "-n", var,       "--preview", "shown.png", "-d",     "24"};
        if (swap) args.push_back("--swap");
        const auto c = run_pixmint(dir.path(), args);
        ASSERT_EQ(c.status, 0) << c.out;
        EXPECT_EQ(c.out, "color depth: 24\n");

        const Compiled read = compile_v8(dir, var, rgb565a8_reader(var), 16, swap);
        ASSERT_TRUE(read.ok) << read.err;
        const std::size_t eol = read.out.find('\n');
        // data_size is what lv_img_buf_get_img_size gives at depth 16: the array, 3 bytes a pixel.
        const std::string size = std::to_string(kW * kH * 3);
        EXPECT_EQ(read.out.substr(0, eol),
                  std::to_string(kW) + " " + std::to_string(kH) + " 20 " + size + " " + size);
        const Bytes decoded(read.out.begin() + static_cast<std::ptrdiff_t>(eol) + 1, read.out.end());
        EXPECT_EQ(decoded, src);

        // The preview: the decoded colours, and as alpha the ratio v8's lv_color_mix blends with,
        // m / 32 as the nearest 8-bit alpha (33 levels, where v7 blends with all 256).
        const Bytes shown = load_rgba_png(dir / "shown.png");
        ASSERT_EQ(shown.size(), decoded.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const long expected =
                i % 4 < 3 ? decoded[i] : std::lround(v8_mix_steps(decoded[i]) * 255.0 / 32.0);
            ASSERT_EQ(shown[i], expected) << "pixel " << i / 4 << " component " << i % 4;
        }

        // Any other configuration would read the planes wrongly: the file refuses to compile.
        for (const auto& [depth, other_swap] : {std::pair{16, 1 - swap}, std::pair{32, 0}, std::pair{8, 0}}) {
            const Compiled wrong = compile_v8(dir, var, "    return 0;\n", depth, other_swap);
            EXPECT_FALSE(wrong.ok) << "compiled at depth " << depth << " swap " << other_swap;
            EXPECT_NE(wrong.err.find("LV_IMG_CF_RGB565A8 data for LV_COLOR_DEPTH 16 and LV_COLOR_16_SWAP " +
                                     std::to_string(swap)),
                      std::string::npos)
                << wrong.err;
        }

        // The .bin holds the header word with cf 20 and the same bytes as the array.
        args.push_back("--bin");
        const auto b = run_pixmint(dir.path(), args);
        ASSERT_EQ(b.status, 0) << b.out;
        const BinFile bin = read_bin(dir / (var + ".bin"));
        EXPECT_EQ(bin.cf, 20u);
        EXPECT_EQ(bin.always_zero, 0u);
        EXPECT_EQ(bin.w, static_cast<unsigned>(kW));
        EXPECT_EQ(bin.h, static_cast<unsigned>(kH));
        EXPECT_EQ(bin.body, map_bytes(read_file(dir / (var + ".c"))));
    }
}

// Everything but rgb565a8 is the same file under --lvgl 8 as under v7: arrays, descriptors and
// .bin files byte for byte, and the same standard output.
TEST(Lvgl8, SharedFormatsAreWrittenExactlyAsForV7) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"-f", "true-color-alpha", "-d", "16"},
        {"-f", "true-color-chroma-keyed", "-v"},
        {"-f", "true-color", "-d", "8", "--dither"},
        {"-f", "indexed-4", "--dither"},
        {"-f", "indexed-8", "-w", "9"},
        {"-f", "alpha-2"},
        {"-f", "alpha-8", "--bin"},
        {"-f", "raw-alpha"},
        {"-f", "true-color-alpha", "-d", "16", "--bin", "--swap"},
        {"-f", "indexed-1", "--bin"},
    };
    for (const auto& extra : cases) {
        std::string label;
        for (const auto& a : extra) label += a + " ";
        SCOPED_TRACE(label);
        TempDir v7, v8;
        for (const TempDir* d : {&v7, &v8}) write_png(*d / "logo.png", 11, 4, 4);
        std::vector<std::string> args = {"-p", "logo.png"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r7 = run_pixmint(v7.path(), args);
        args.insert(args.end(), {"--lvgl", "8"});
        const auto r8 = run_pixmint(v8.path(), args);
        ASSERT_EQ(r7.status, 0) << r7.out;
        EXPECT_EQ(r8.status, 0);
        EXPECT_EQ(r8.out, r7.out);
        ASSERT_EQ(list_dir(v8.path()), list_dir(v7.path()));
        for (const std::string& name : list_dir(v7.path()))
            EXPECT_EQ(read_file(v8 / name), read_file(v7 / name)) << name;
    }
}

}  // namespace
}  // namespace pixmint::test
