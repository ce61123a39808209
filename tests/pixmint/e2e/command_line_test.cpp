// pixmint's command line where a golden case can't hold the run: the runs answered with the usage
// text (which the golden help case holds once), paths outside the run directory, and two runs
// compared with each other. The rest of the command line's runs are golden cases in
// tests/golden/pixmint.
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

// The usage text, as the golden help case holds it: --help prints it, then the rest of the help.
std::string usage_text() {
    const std::string help =
        read_file(std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/pixmint/command_line/help/stdout");
    return help.substr(0, help.find("More color formats"));
}

TEST(CommandLine, MalformedCommandLinesGetTheUsageTextAndWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string before_usage;  // what precedes the usage text
    };
    const Case cases[] = {
        {{}, ""},
        {{"-x"}, ""},
        {{"-p", "logo.png", "-x"}, ""},
        {{"-p"}, ""},
        {{"-p", ""}, ""},
        {{"-f", "TRUE-COLOR", "-p", "logo.png"}, "Error: Unsupported color format!\n"},
        {{"-f", "TRUE-COLOR"}, "Error: Unsupported color format!\n"},
    };
    const std::string usage = usage_text();
    ASSERT_NE(usage, "");
    for (const Case& c : cases) {
        TempDir dir;
        write_png(dir / "logo.png", 100, 2, 4);
        const auto before = list_dir(dir.path());
        const auto r = run_pixmint(dir.path(), c.args);
        EXPECT_EQ(r.out, c.before_usage + usage) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(list_dir(dir.path()), before) << "a refused run must not leave files";
    }
}

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
