// Resampling as a user sees it in the generated 32-bit section: transparent
// edges keep their colour and their coverage.
#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;

// The bytes of the "#if LV_COLOR_DEPTH == 32" section of a generated file.
std::vector<std::uint8_t> section32(const std::string& text) {
    std::vector<std::uint8_t> out;
    auto at = text.find("#if LV_COLOR_DEPTH == 32\n");
    if (at == std::string::npos) return out;
    at = text.find('\n', text.find('\n', at) + 1);  // past the guard and the comment
    const auto end = text.find("#endif", at);
    for (auto p = text.find("0x", at); p < end; p = text.find("0x", p + 4)) {
        out.push_back(static_cast<std::uint8_t>(std::strtoul(text.substr(p + 2, 2).c_str(), nullptr, 16)));
    }
    return out;
}

TEST(Resize, TransparentEdgesKeepTheirColourAndCoverage) {
    // A hard-edged red disc on transparent black, shrunk 8 times.
    constexpr std::size_t S = 256, T = 32, f = S / T;
    std::vector<std::uint8_t> px(S * S * 4, 0);
    for (std::size_t y = 0; y < S; ++y) {
        for (std::size_t x = 0; x < S; ++x) {
            const double dx = static_cast<double>(x) + 0.5 - 128, dy = static_cast<double>(y) + 0.5 - 128;
            if (dx * dx + dy * dy <= 100.0 * 100.0) {
                px[(y * S + x) * 4] = 255;
                px[(y * S + x) * 4 + 3] = 255;
            }
        }
    }
    TempDir dir;
    ASSERT_NE(stbi_write_png((dir / "disc.png").c_str(), int{S}, int{S}, 4, px.data(), int{S} * 4), 0);
    const auto r = run_pixmint(
        dir.path(), {"-p", "disc.png", "-w", "32", "-h", "32", "-f", "true-color-alpha", "-d", "24"});
    ASSERT_EQ(r.status, 0) << r.out;
    const auto out = section32(read_file(dir / "disc.c"));  // blue, green, red, alpha
    ASSERT_EQ(out.size(), T * T * 4);

    // Over the pixels the edge passes through: colour stays red, and alpha is
    // the share of the pixel's source block the disc covers.
    double red = 0, green_blue = 0, alpha = 0, coverage = 0;
    int edge = 0;
    for (std::size_t y = 0; y < T; ++y) {
        for (std::size_t x = 0; x < T; ++x) {
            const std::uint8_t* p = &out[(y * T + x) * 4];
            if (p[3] == 0 || p[3] == 255) continue;
            int covered = 0;
            for (std::size_t yy = 0; yy < f; ++yy) {
                for (std::size_t xx = 0; xx < f; ++xx)
                    covered += px[((y * f + yy) * S + x * f + xx) * 4 + 3] != 0;
            }
            ++edge;
            red += p[2];
            green_blue += p[0] + p[1];
            alpha += p[3];
            coverage += 255.0 * covered / (f * f);
        }
    }
    ASSERT_GT(edge, 50);
    EXPECT_GE(red / edge, 250.0) << "dark fringe";
    EXPECT_EQ(green_blue, 0.0);
    EXPECT_NEAR(alpha / edge, coverage / edge, 4.0) << "alpha does not track coverage";
}

}  // namespace
}  // namespace pixmint::test
