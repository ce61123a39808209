// pixmint's command line as a user meets it: a table of runs of the real
// binary with their exact standard output, exit status and the files left.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::exists;
using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;

const std::string kUsage =
    "pixmint (V0.1): generate C array source file from image for lvgl.\n"
    "\nUsage: pixmint.exe [options]\nOptions:\n\t-p <image file>\t\t Image file name.\n\t-f "
    "<color-format>\tSpecify "
    "the color format, it must be one of following options:\n\t\ttrue-color: true color format, it's the "
    "default "
    "format\n\t\ttrue-color-alpha: same as true-color but every pixel has an alpha "
    "byte\n\t\ttrue-color-chroma-keyed: "
    "same as true-color but LV_COLOR_TRANSP pixels will be transparent\n\t-n <variable-name>\t Specify the "
    "name of the "
    "image variable\n\t-w <new-width>\t\t Resize the width of the image. If not provided, the original width "
    "will be "
    "used\n\t-h <new-height>\t\t Resize the height of the image. If not provided, the original height will "
    "be "
    "used\n\t-d <8,16,24>\t\t Specify RGB color depth\n\t-v\t\t\t Specify if zintra is enabled\n\n";
const std::string kCombination = "Err: color depth or alpha channel is not supported on this board.\n\n";

struct Case {
    std::vector<std::string> args;
    std::string out;  // exact standard output
    int status;
    std::string output;  // file that must exist afterwards ("" when none may be written)
    std::string var;     // variable name expected inside it
};

// Every run gets logo.png (100 x 2 RGBA), a text file posing as a PNG, BMP data
// under a .png name, and a PNG inside a directory whose name has an extension.
void populate(const TempDir& d) {
    write_png(d / "logo.png", 100, 2, 4);
    write_png(d / "logo.svg.png", 4, 4, 3);
    write_png(d / "C:\\art\\my_logo.png", 2, 2, 3);
    write_bmp(d / "bmpdata.png", 3, 3);
    lvforge::test::write_file(d / "text.png", "just text\n");
    lvforge::test::write_file(d / "text.png.svg", "just text\n");
    lvforge::test::write_file(d / "broken.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\"");
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << "pixmint";
    for (const auto& a : c.args) *os << " '" << a << "'";
}

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, StdoutStatusAndFiles) {
    const Case& c = GetParam();
    TempDir dir;
    populate(dir);
    const auto before = list_dir(dir.path());
    const auto r = run_pixmint(dir.path(), c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, "");
    if (c.output.empty()) {
        EXPECT_EQ(list_dir(dir.path()), before) << "a failed run must not leave files";
    } else {
        const std::string text = read_file(dir / c.output);
        ASSERT_FALSE(text.empty()) << c.output;
        EXPECT_NE(text.find(" uint8_t " + c.var + "_map[] = {\n"), std::string::npos);
        EXPECT_NE(text.find("lv_img_dsc_t " + c.var + " = {\n"), std::string::npos);
    }
}

const std::string k99(99, 'n');
const std::string k150 = std::string(150, 'n');

const Case kCases[] = {
    // Usage and option errors.
    {{}, kUsage, 1, "", ""},
    {{"-x"}, kUsage, 1, "", ""},
    {{"-p", "logo.png", "-x"}, kUsage, 1, "", ""},
    {{"-p"}, kUsage, 1, "", ""},
    {{"-p", ""}, kUsage, 1, "", ""},
    {{"-v"}, "Error: Please select a gif file.\n", 1, "", ""},
    {{"stray", "words"}, "Error: Please select a gif file.\n", 1, "", ""},
    {{"-f", "TRUE-COLOR", "-p", "logo.png"}, "Error: Unsupported color format!\n" + kUsage, 1, "", ""},
    {{"-f", "TRUE-COLOR"}, "Error: Unsupported color format!\n" + kUsage, 1, "", ""},
    {{"-p", "photo.JPEG"}, "Error: unsupported image format.\n", 1, "", ""},
    {{"-p", "photo.Png"}, "Error: unsupported image format.\n", 1, "", ""},
    {{"-p", "photo.tiff"}, "Error: unsupported image format.\n", 1, "", ""},
    {{"-p", "logo.png", "-n", "out/images/"}, "Error: Unsupported filename!\n", 1, "", ""},
    {{"-p", "logo.png", "-n", "out\\"}, "Error: Unsupported filename!\n", 1, "", ""},
    // Decoding failures.
    {{"-p", "text.png"}, "Error: Failed to load the image\n", 1, "", ""},
    {{"-p", "missing.gif"}, "Error: Failed to load the image\n", 1, "", ""},
    {{"-p", "missing.svg"}, "Could not open SVG image.\n", 1, "", ""},
    {{"-p", "broken.svg"}, "Could not open SVG image.\n", 1, "", ""},
    {{"-p", "text.png.svg"}, "Error: Failed to load the image\n", 1, "", ""},
    // Sizes below one pixel are refused before anything is written.
    {{"-p", "logo.png", "-w", "0"}, "Error: Invalid image size.\n", 1, "", ""},
    {{"-p", "logo.png", "-h", "-5"}, "Error: Invalid image size.\n", 1, "", ""},
    {{"-p", "logo.png", "-w", "abc"}, "Error: Invalid image size.\n", 1, "", ""},
    {{"-p", "logo.png", "-v", "-w", "-20"}, "Error: Invalid image size.\n", 1, "", ""},
    // The zintra combinations.
    {{"-p", "logo.png", "-v", "-d", "8"}, kCombination, 1, "", ""},
    {{"-p", "logo.png", "-v", "-d", "8", "-f", "true-color-alpha"}, kCombination, 1, "", ""},
    {{"-p", "logo.png", "-v", "-d", "16", "-f", "true-color-alpha"}, kCombination, 1, "", ""},
    {{"-p", "logo.png", "-v", "-d", "24"}, kCombination, 1, "", ""},
    {{"-p", "logo.png", "-v", "-d", "24", "-f", "true-color-chroma-keyed"},
     "color depth: 24\n",
     0,
     "logo.c",
     "logo"},
    {{"-p", "logo.png", "-v", "-d", "16"}, "color depth: 16\n", 0, "logo.c", "logo"},
    {{"-p", "logo.png", "-v", "-f", "true-color-alpha"}, "color depth: 0\n", 0, "logo.c", "logo"},
    // Depth words.
    {{"-p", "logo.png", "-d", "32"}, "color depth: 0\n", 0, "logo.c", "logo"},
    {{"-p", "logo.png", "-d", "abc"}, "color depth: 0\n", 0, "logo.c", "logo"},
    {{"-p", "logo.png", "-d", "16"}, "color depth: 16\n", 0, "logo.c", "logo"},
    // Empty -f and -n are ignored; later options win.
    {{"-p", "logo.png", "-f", "", "-n", ""}, "color depth: 0\n", 0, "logo.c", "logo"},
    {{"-p", "nothere.png", "-p", "logo.png"}, "color depth: 0\n", 0, "logo.c", "logo"},
    {{"-p", "logo.png", "-n", "first", "-n", "second"}, "color depth: 0\n", 0, "second.c", "second"},
    {{"extra", "-p", "logo.png", "more"}, "color depth: 0\n", 0, "logo.c", "logo"},
    // Names.
    {{"-p", "C:\\art\\my_logo.png"}, "color depth: 0\n", 0, "my_logo.c", "my_logo"},
    {{"-p", "C:\\art\\my_logo.png", "-n", "out/images/logo"},
     "color depth: 0\n",
     0,
     "out/images/logo.c",
     "logo"},
    {{"-p", "logo.png", "-n", "out\\img\\logo"}, "color depth: 0\n", 0, "out/img/logo.c", "logo"},
    {{"-p", "logo.png", "-n", "a/b\\c.d"}, "color depth: 0\n", 0, "a/b/c.d.c", "c_d"},
    {{"-p", "logo.png", "-n", "my-logo"}, "color depth: 0\n", 0, "my-logo.c", "my_logo"},
    {{"-p", "logo.png", "-n", "2x"}, "color depth: 0\n", 0, "2x.c", "_2x"},
    {{"-p", "logo.png", "-n", k150}, "color depth: 0\n", 0, k150 + ".c", k150},
    {{"-p", "logo.png", "-n", k99}, "color depth: 0\n", 0, k99 + ".c", k99},
    {{"-p", "logo.svg.png"}, "color depth: 0\n", 0, "logo.svg.c", "logo_svg"},
    {{"-p", "bmpdata.png"}, "color depth: 0\n", 0, "bmpdata.c", "bmpdata"},
};

INSTANTIATE_TEST_SUITE_P(Pixmint, CommandLine, ::testing::ValuesIn(kCases));

TEST(Names, StemFromNestedPathsLandsInTheCurrentDirectory) {
    TempDir dir;
    std::filesystem::create_directories(dir / "art/set.b");
    write_png(dir / "art/set.b/icon.x.png", 2, 2, 4);
    auto r = run_pixmint(dir.path(), {"-p", "art/set.b/icon.x.png"});
    EXPECT_EQ(r.status, 0);
    const std::string text = read_file(dir / "icon.x.c");
    EXPECT_NE(text.find("LV_ATTRIBUTE_IMG_ICON_X uint8_t icon_x_map[]"), std::string::npos);

    // A directory named like an image, holding a file without a dot: the
    // whole base name is the stem; the content decides the decoder.
    std::filesystem::create_directories(dir / "icons.png");
    write_png(dir / "icons.png/star.svg", 2, 2, 3);
    write_png(dir / "icons.png/data", 2, 2, 3);
    r = run_pixmint(dir.path(), {"-p", "icons.png/star.svg"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(exists(dir / "star.c"));
    r = run_pixmint(dir.path(), {"-p", "icons.png/data"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(read_file(dir / "data.c").find(" uint8_t data_map[] = {"), std::string::npos);
}

TEST(Names, AbsoluteOutputPathCreatesItsDirectories) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    const std::string target = dir / "abs/x/logo";
    const auto r = run_pixmint("", {"-p", dir / "logo.png", "-n", target});
    EXPECT_EQ(r.out, "color depth: 0\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(exists(target + ".c"));
}

// Width, height and data size of the descriptor a run produced.
std::string descriptor_size(const std::string& text) {
    const auto at = text.find("  .header.w = ");
    return at == std::string::npos ? "" : text.substr(at, text.find("  .header.cf") - at);
}

TEST(Resize, TargetSizesFollowTheOptions) {
    struct R {
        int w, h;
        std::vector<std::string> args;
        const char* size;
    };
    const R cases[] = {
        {100,
         80,
         {"-w", "50"},
         "  .header.w = 50,\n  .header.h = 80,\n  .data_size = 4000 * LV_COLOR_SIZE / 8,\n"},
        {100, 8, {"-v"}, "  .header.w = 112,\n  .header.h = 8,\n  .data_size = 896 * LV_COLOR_SIZE / 8,\n"},
        {128, 2, {"-v"}, "  .header.w = 144,\n  .header.h = 2,\n  .data_size = 288 * LV_COLOR_SIZE / 8,\n"},
        {100,
         2,
         {"-v", "-w", "64"},
         "  .header.w = 80,\n  .header.h = 2,\n  .data_size = 160 * LV_COLOR_SIZE / 8,\n"},
        {10,
         10,
         {"-h", "3"},
         "  .header.w = 10,\n  .header.h = 3,\n  .data_size = 30 * LV_COLOR_SIZE / 8,\n"},
        // The limits apply after the resize (the lower one, LVGL v7's header, included).
        {2600,
         2,
         {"-w", "2047", "-d", "8"},
         "  .header.w = 2047,\n  .header.h = 2,\n  .data_size = 4094 * LV_COLOR_SIZE / 8,\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        write_png(dir / "img.png", c.w, c.h, 4);
        std::vector<std::string> args{"-p", "img.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run_pixmint(dir.path(), args);
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(descriptor_size(read_file(dir / "img.c")), c.size);
    }
}

TEST(Resize, SameSizeStillFiltersThePixels) {
    TempDir dir;
    write_png(dir / "img.png", 6, 6, 3);
    ASSERT_EQ(run_pixmint(dir.path(), {"-p", "img.png", "-n", "plain"}).status, 0);
    ASSERT_EQ(run_pixmint(dir.path(), {"-p", "img.png", "-n", "same", "-w", "6"}).status, 0);
    auto body = [](const std::string& text) {
        const auto from = text.find("_map[] = {");
        return text.substr(from, text.find("};") - from);
    };
    const std::string plain = body(read_file(dir / "plain.c"));
    const std::string same = body(read_file(dir / "same.c"));
    EXPECT_EQ(plain.size(), same.size());
    EXPECT_NE(plain, same);
}

}  // namespace
}  // namespace pixmint::test
