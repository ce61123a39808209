// Palettes read back as LVGL draws them, from the compiled array: a palette PNG kept with
// --keep-palette shows exactly the file's pixels (as the image decoder reads them) through the
// file's own entries, and a quantized palette leaves fully transparent pixels fully transparent
// at every depth, dithered or not.
#include <gtest/gtest.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/pixmint/e2e/lvgl_decode.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

// LVGL's lv_img_cf_t of indexed-n.
int indexed_cf(int bits) {
    return bits == 1 ? 7 : bits == 2 ? 8 : bits == 4 ? 9 : 10;
}

// The RGBA pixels the image decoder gives for `path`.
Bytes rgba_of(const std::string& path, int& w, int& h) {
    int comp = 0;
    stbi_uc* px = stbi_load(path.c_str(), &w, &h, &comp, 4);
    EXPECT_NE(px, nullptr) << path;
    if (px == nullptr) return {};
    Bytes out(px, px + static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    stbi_image_free(px);
    return out;
}

void write_rgba(const std::string& path, int w, int h, const Bytes& px) {
    ASSERT_NE(stbi_write_png(path.c_str(), w, h, 4, px.data(), w * 4), 0);
}

// The palette PNGs of the golden cases: every bit depth, interlaced or not, tRNS short, full or
// absent, unused entries.
TEST(PaletteRoundTrip, KeptPalettesShowTheFilesOwnPixels) {
    TempDir dir;
    const struct {
        const char* golden_case;  // its in/ holds `file`
        const char* file;
        std::size_t entries;  // of its PLTE
        const char* format;
        int bits;  // of the format written
    } cases[] = {
        {"keep_palette/order", "art.png", 12, "indexed-4", 4},
        {"keep_palette/order", "art.png", 12, "indexed-8", 8},
        {"keep_palette/auto_interlaced", "five.png", 5, "indexed-auto", 4},
        {"keep_palette/bits_1", "in.png", 2, "indexed-2", 2},
        {"keep_palette/bits_1_interlaced", "in.png", 2, "indexed-1", 1},
        {"keep_palette/bits_2_interlaced", "in.png", 3, "indexed-8", 8},
        {"keep_palette/bits_8_interlaced", "in.png", 256, "indexed-auto", 8},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "kept" + std::to_string(n++), file = name + ".png";
        SCOPED_TRACE(std::string(c.golden_case) + " " + c.format);
        lvforge::test::write_file(
            dir / file, lvforge::test::read_file(std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/pixmint/" +
                                                 c.golden_case + "/in/" + c.file));
        const auto r = run_pixmint(dir.path(), {"-p", file, "-f", c.format, "--keep-palette"});
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(r.out, "color depth: 0\n");
        int w = 0, h = 0;
        const Bytes source = rgba_of(dir / file, w, h);
        const Compiled compiled = compile(dir, name);
        const std::size_t rows = (static_cast<std::size_t>(w) * static_cast<std::size_t>(c.bits) + 7) / 8 *
                                 static_cast<std::size_t>(h);
        EXPECT_EQ(compiled.header, header_of(w, h, indexed_cf(c.bits), (std::size_t{4} << c.bits) + rows));
        EXPECT_EQ(decode_indexed(compiled.data, c.bits, w, h), source);
        // Entries past the end of PLTE are zero.
        for (std::size_t i = c.entries * 4; i < (std::size_t{4} << c.bits); ++i)
            ASSERT_EQ(compiled.data.at(i), 0) << "palette byte " << i;
    }
}

TEST(PaletteRoundTrip, TransparentPixelsStayTransparentWhenQuantized) {
    TempDir dir;
    // A disc with a colour ramp and an anti-aliased edge, on a background that is fully
    // transparent in many colours: far more colours than any palette holds.
    constexpr int kSide = 40;
    Bytes px;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double d = std::hypot(x - 19.5, y - 19.5);
            const double cover = std::fmin(1.0, std::fmax(0.0, 16.5 - d));
            px.insert(px.end(), {static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(250 - y * 5),
                                 static_cast<std::uint8_t>((x * y) & 255),
                                 static_cast<std::uint8_t>(std::lround(cover * 255))});
        }
    write_rgba(dir / "icon.png", kSide, kSide, px);
    for (const int bits : {1, 2, 4, 8}) {
        for (const bool dither : {false, true}) {
            const std::string name = "icon" + std::to_string(bits) + (dither ? "d" : "");
            SCOPED_TRACE(name);
            std::vector<std::string> args = {"-p", "icon.png", "-f", "indexed-" + std::to_string(bits),
                                             "-n", name};
            if (dither) args.emplace_back("--dither");
            const auto r = run_pixmint(dir.path(), args);
            ASSERT_EQ(r.status, 0) << r.out;
            const Bytes shown = decode_indexed(compile(dir, name).data, bits, kSide, kSide);
            for (std::size_t i = 3; i < px.size(); i += 4) {
                if (px[i] == 0) {
                    ASSERT_EQ(shown[i], 0) << "pixel " << i / 4 << " shows through";
                }
                // The reserved entry costs the opaque disc nothing it can't spare beyond 1 bit.
                if (px[i] == 255 && bits >= 2) {
                    ASSERT_GE(shown[i], 128) << "pixel " << i / 4 << " fades";
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixmint::test
