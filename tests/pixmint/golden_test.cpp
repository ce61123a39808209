// Golden end-to-end runs of the real pixmint binary: every input kind, the
// main option combinations.
// Set LVFORGE_UPDATE_GOLDEN=1 to rewrite the golden files after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fixtures.h"
#include "test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;

struct GoldenCase {
    const char* name;                                 // golden file stem under golden/
    std::function<void(const TempDir&)> make_input;   // writes the input into the run directory
    std::vector<std::string> args;                    // arguments after the program name
    const char* output;                               // file the run writes, relative to the run dir
    const char* stdout_text;
    int status;
};

// The banner carries the year of the run; goldens were recorded in 2026.
std::string with_current_year(const std::string& text) {
    return lvforge::test::replace_all(text, "Generated in 2026 by",
                                      "Generated in " + std::to_string(lvforge::test::utc_year()) + " by");
}

void copy_data(const TempDir& dir, const std::string& name) {
    lvforge::test::write_file(dir / name, read_file(data_file(name)));
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputMatchesByteForByte) {
    const GoldenCase& c = GetParam();
    TempDir dir;
    c.make_input(dir);
    const auto r = run_pixmint(dir.path(), c.args);
    EXPECT_EQ(r.out, c.stdout_text);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, c.status);

    const std::string produced = read_file(dir / c.output);
    const std::string golden_path = std::string(LVFORGE_TEST_DATA) + "/golden/" + c.name + ".c";
    if (std::getenv("LVFORGE_UPDATE_GOLDEN") != nullptr) {
        lvforge::test::write_file(golden_path,
                                  lvforge::test::replace_all(produced, "Generated in " +
                                                                           std::to_string(lvforge::test::utc_year()),
                                                             "Generated in 2026"));
    }
    const std::string golden = read_file(golden_path);
    ASSERT_FALSE(golden.empty()) << golden_path;
    EXPECT_EQ(produced, with_current_year(golden));
    EXPECT_EQ(produced.find('\r'), std::string::npos);
    // Nothing but the input and the output is left in the directory.
    EXPECT_EQ(lvforge::test::list_dir(dir.path()).size(), 2u);
}

const GoldenCase kCases[] = {
    {"rgba_png", [](const TempDir& d) { write_png(d / "logo.png", 5, 3, 4); }, {"-p", "logo.png", "-f", "true-color-alpha"},
     "logo.c", "color depth: 0\n", 0},
    {"grey_png", [](const TempDir& d) { write_png(d / "grey.png", 4, 2, 1); }, {"-p", "grey.png"}, "grey.c",
     "color depth: 0\n", 0},
    {"grey_alpha_png", [](const TempDir& d) { write_png(d / "ga.png", 3, 2, 2); },
     {"-p", "ga.png", "-f", "true-color-alpha"}, "ga.c", "color depth: 0\n", 0},
    {"rgb_jpg", [](const TempDir& d) { write_jpg(d / "photo.jpg", 8, 8); }, {"-p", "photo.jpg", "-d", "16"},
     "photo.c", "color depth: 16\n", 0},
    {"bmp_chroma", [](const TempDir& d) { write_bmp(d / "Icon.BMP", 3, 2); },
     {"-p", "Icon.BMP", "-f", "true-color-chroma-keyed", "-d", "8"}, "Icon.c", "color depth: 8\n", 0},
    {"anim_gif", [](const TempDir& d) { copy_data(d, "anim.gif"); }, {"-p", "anim.gif", "-f", "true-color-alpha"},
     "anim.c", "color depth: 0\n", 0},
    {"fractional_svg", [](const TempDir& d) { copy_data(d, "vector.svg"); },
     {"-p", "vector.svg", "-f", "true-color-alpha", "-n", "gfx/vector_icon"}, "gfx/vector_icon.c", "color depth: 0\n",
     0},
    // -v: premultiplied 32-bit pixels, and the width resampled from 5 to 16.
    {"zintra_resize", [](const TempDir& d) { write_png(d / "logo.png", 5, 3, 4); },
     {"-p", "logo.png", "-v", "-d", "24", "-f", "true-color-alpha"}, "logo.c", "color depth: 24\n", 0},
    // Resampling opaque images with an alpha component keeps every byte it had before alpha was
    // weighted in; at these sizes the weighting would round one byte differently.
    {"opaque_rgba_resize", [](const TempDir& d) { write_opaque_png(d / "rgba.png", 3, 6, 4); },
     {"-p", "rgba.png", "-w", "7", "-h", "11", "-f", "true-color-alpha", "-d", "24"}, "rgba.c", "color depth: 24\n",
     0},
    {"opaque_grey_alpha_resize", [](const TempDir& d) { write_opaque_png(d / "ga.png", 16, 11, 2); },
     {"-p", "ga.png", "-w", "9", "-h", "6", "-f", "true-color-alpha", "-d", "24"}, "ga.c", "color depth: 24\n", 0},
};

INSTANTIATE_TEST_SUITE_P(Pixmint, Golden, ::testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace pixmint::test
