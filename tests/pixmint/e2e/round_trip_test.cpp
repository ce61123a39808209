// Generated files compiled for real: each colour depth's section must
// compile on its own and hold exactly the bytes LVGL expects for the pixels.
#include <gtest/gtest.h>

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

// Expected map bytes for RGBA pixels at one depth with true-color-alpha.
Bytes expected_map(const Bytes& px, int depth, bool swap) {
    Bytes out;
    for (std::size_t i = 0; i < px.size(); i += 4) {
        const unsigned r = px[i], g = px[i + 1], b = px[i + 2], a = px[i + 3];
        if (depth == 8) {
            out.push_back(static_cast<std::uint8_t>((r & 0xe0) | ((g & 0xe0) >> 3) | (b >> 6)));
        } else if (depth == 16) {
            const unsigned v = ((r & 0xf8) << 8) | ((g & 0xfc) << 3) | (b >> 3);
            const auto lo = static_cast<std::uint8_t>(v & 0xff), hi = static_cast<std::uint8_t>(v >> 8);
            out.push_back(swap ? hi : lo);
            out.push_back(swap ? lo : hi);
        } else {
            out.insert(out.end(), {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                                   static_cast<std::uint8_t>(r)});
        }
        out.push_back(static_cast<std::uint8_t>(a));
    }
    return out;
}

TEST(RoundTrip, EveryDepthCompilesAndHoldsThePixels) {
    TempDir dir;
    const int w = 7, h = 3;
    write_png(dir / "logo.png", w, h, 4);
    const auto gen = run_pixmint(dir.path(), {"-p", "logo.png", "-f", "true-color-alpha"});
    ASSERT_EQ(gen.status, 0) << gen.out;
    // LVGL v7's stand-in lvgl.h; the compiler flags below take the place of its lv_conf.h.
    lvforge::test::write_file(dir / "lvgl.h", read_file(lvforge::test::lvgl_stand_in(7)));
    lvforge::test::write_file(dir / "lv_conf.h", "");
    lvforge::test::write_file(
        dir / "dump.c",
        "#include <stdio.h>\n"
        "#include \"logo.c\"\n"
        "int main(void) {\n"
        "    printf(\"%u %u %u %u\\n\", (unsigned)logo.header.w, (unsigned)logo.header.h,\n"
        "           (unsigned)logo.header.cf, (unsigned)logo.data_size);\n"
        "    fwrite(logo.data, 1, sizeof logo_map, stdout);\n"
        "    return logo.data == logo_map ? 0 : 1;\n"
        "}\n");
    const Bytes px = pattern(w, h, 4);
    struct Config {
        int depth;
        int swap;
    };
    for (const Config c : {Config{8, 0}, Config{16, 0}, Config{16, 1}, Config{32, 0}, Config{1, 0}}) {
        SCOPED_TRACE("LV_COLOR_DEPTH " + std::to_string(c.depth) + " swap " + std::to_string(c.swap));
        const std::string exe = dir / ("dump" + std::to_string(c.depth) + std::to_string(c.swap));
        const auto cc = lvforge::test::run(
            {"/bin/sh", "-c",
             "cc -std=c99 -Wall -Wextra -Wpedantic -Werror -DLV_COLOR_DEPTH=" + std::to_string(c.depth) +
                 " -DLV_COLOR_16_SWAP=" + std::to_string(c.swap) + " -o " + exe + " dump.c"},
            {.cwd = dir.path()});
        ASSERT_EQ(cc.status, 0) << cc.out << cc.err;
        const auto r = lvforge::test::run({exe});
        ASSERT_EQ(r.status, 0);
        const Bytes expected = expected_map(px, c.depth == 1 ? 8 : c.depth, c.swap != 0);
        // data_size covers the whole section, alpha bytes included.
        const std::string header =
            std::to_string(w) + " " + std::to_string(h) + " 5 " + std::to_string(expected.size()) + "\n";
        ASSERT_EQ(r.out.substr(0, header.size()), header);
        EXPECT_EQ(r.out.substr(header.size()), std::string(expected.begin(), expected.end()));
    }
}

}  // namespace
}  // namespace pixmint::test
