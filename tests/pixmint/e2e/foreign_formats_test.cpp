// pixmint reads PNG, BMP, GIF and JPEG, told by their content: any other
// content is refused before anything is written, whatever the file is called,
// and the four formats are still read under any of the image names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/pixmint/raster_writers.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using Names = std::vector<std::string>;

void write_bytes(const std::string& path, const Bytes& bytes) {
    lvforge::test::write_file(path, std::string(bytes.begin(), bytes.end()));
}

TEST(ForeignFormats, RefusedWhateverTheNameLeavingTheEarlierOutput) {
    const std::string earlier = "/* an earlier, good output */\n";
    for (const ForeignFile& f : foreign_files()) {
        TempDir dir;
        write_bytes(dir / "image.png", f.bytes);
        lvforge::test::write_file(dir / "image.c", earlier);
        const auto r = run_pixmint(dir.path(), {"-p", "image.png"});
        EXPECT_EQ(r.out, "Error: Failed to load the image\n") << f.what;
        EXPECT_EQ(r.status, 1) << f.what;
        EXPECT_EQ(read_file(dir / "image.c"), earlier) << f.what;
        EXPECT_EQ(list_dir(dir.path()), (Names{"image.c", "image.png"})) << f.what;
    }
}

TEST(ForeignFormats, DocumentedFormatsAreReadUnderAnyImageName) {
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"png_as.bmp", png({.color_type = 3, .bit_depth = 4, .interlaced = true}, 13, 7).bytes},
        {"bmp_as.png", bmp({.bpp = 24, .top_down = true}, 13, 7).bytes},
        {"gif_as.jpg", gif({.interlaced = true}, 13, 7).bytes},
        {"jpeg_as.gif", jpeg({.progressive = true}, 13, 7).bytes},
    };
    for (const auto& c : cases) {
        TempDir dir;
        write_bytes(dir / c.name, c.bytes);
        const auto r = run_pixmint(dir.path(), {"-p", c.name, "-n", "out"});
        EXPECT_EQ(r.out, "color depth: 0\n") << c.name;
        EXPECT_EQ(r.status, 0) << c.name;
        const std::string text = read_file(dir / "out.c");
        EXPECT_NE(text.find("  .header.w = 13,\n  .header.h = 7,\n"), std::string::npos) << c.name;
    }
}

}  // namespace
}  // namespace pixmint::test
