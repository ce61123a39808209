// Failed runs lose nothing: the message and status are exact, an earlier
// output stays byte for byte, and no temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fixtures.h"
#include "test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using Names = std::vector<std::string>;

const std::string kEarlier = "/* an earlier, good output */\n";

lvforge::test::RunResult pixmint(const TempDir& dir, std::vector<std::string> args,
                                 long long fsize_limit = -1) {
    return run_pixmint(dir.path(), std::move(args), fsize_limit);
}

TEST(Failures, WriteFailingMidwayKeepsTheEarlierFile) {
    TempDir dir;
    write_png(dir / "logo.png", 64, 64, 4);
    lvforge::test::write_file(dir / "logo.c", kEarlier);
    // The output is far larger than 8 KiB, so a write fails part way.
    const auto r = pixmint(dir, {"-p", "logo.png"}, 8192);
    EXPECT_EQ(r.out, "color depth: 0\nERR: write logo.c failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "logo.c"), kEarlier);
    EXPECT_EQ(list_dir(dir.path()), (Names{"logo.c", "logo.png"}));
}

TEST(Failures, PathThroughARegularFile) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    lvforge::test::write_file(dir / "blocker", kEarlier);
    auto r = pixmint(dir, {"-p", "logo.png", "-n", "blocker/logo"});
    EXPECT_EQ(r.out, "ERR: open blocker/logo.c failed!\n");
    EXPECT_EQ(r.status, 1);
    r = pixmint(dir, {"-p", "logo.png", "-n", "blocker\\sub\\logo"});
    EXPECT_EQ(r.out, "ERR: create blocker/sub failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "blocker"), kEarlier);
    EXPECT_EQ(list_dir(dir.path()), (Names{"blocker", "logo.png"}));
}

TEST(Failures, OutputPathIsADirectory) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    std::filesystem::create_directory(dir / "logo.c");
    lvforge::test::write_file(dir / "logo.c/keep", kEarlier);
    const auto r = pixmint(dir, {"-p", "logo.png"});
    EXPECT_EQ(r.out, "ERR: open logo.c failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "logo.c/keep"), kEarlier);
    EXPECT_EQ(list_dir(dir.path()), (Names{"logo.c", "logo.png"}));
}

TEST(Failures, NameEndingInASeparatorWritesNothing) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    const auto r = pixmint(dir, {"-p", "logo.png", "-n", "out/"});
    EXPECT_EQ(r.out, "Error: Unsupported filename!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(list_dir(dir.path()), (Names{"logo.png"}));
}

TEST(Failures, UndecodableInputLeavesTheEarlierOutput) {
    TempDir dir;
    lvforge::test::write_file(dir / "logo.png", "not a png");
    lvforge::test::write_file(dir / "logo.c", kEarlier);
    const auto r = pixmint(dir, {"-p", "logo.png"});
    EXPECT_EQ(r.out, "Error: Failed to load the image\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "logo.c"), kEarlier);
}

TEST(Failures, NonRegularInputsAreRefusedWithoutWaiting) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((dir / "pipe.svg").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "folder.png");
    auto r = pixmint(dir, {"-p", "pipe.png"});
    EXPECT_EQ(r.out, "Error: Failed to load the image\n");
    EXPECT_EQ(r.status, 1);
    r = pixmint(dir, {"-p", "pipe.svg"});
    EXPECT_EQ(r.out, "Could not open SVG image.\n");
    EXPECT_EQ(r.status, 1);
    r = pixmint(dir, {"-p", "folder.png"});
    EXPECT_EQ(r.out, "Error: Failed to load the image\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(list_dir(dir.path()), (Names{"folder.png", "pipe.png", "pipe.svg"}));
}

// Images refused from their declared size: nothing is decoded, resampled or written, and an
// earlier output stays as it was.
struct Refusal {
    const char* name;
    std::function<std::string()> input;  // bytes of the file "in.<ext>" named in the arguments
    std::vector<std::string> args;
    std::string out;
};

void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

const std::string kLimit = "Error: Image size out of limit. The width and height should not exceed 2500 !\n ";
const std::string kInvalid = "Error: Invalid image size.\n";
const std::string kTooLarge = "Error: Image too large to decode.\n";

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, NothingIsWritten) {
    const Refusal& c = GetParam();
    TempDir dir;
    const std::string input = "in" + c.args[1].substr(c.args[1].rfind('.'));
    lvforge::test::write_file(dir / input, c.input());
    lvforge::test::write_file(dir / "in.c", kEarlier);
    const auto r = pixmint(dir, c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "in.c"), kEarlier);
    EXPECT_EQ(list_dir(dir.path()).size(), 2u);
}

std::string svg_bytes(const std::string& w, const std::string& h) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\"/>";
}

std::string png_bytes(int w, int h) {
    TempDir d;
    write_png(d / "x.png", w, h, 3);
    return read_file(d / "x.png");
}

const Refusal kRefusals[] = {
    // Over the limit after any resize: the limit message as it always was, but no file.
    {"wide_png", [] { return png_bytes(2501, 1); }, {"-p", "in.png", "-d", "8"}, kLimit},
    {"zintra_alignment_over_limit", [] { return png_bytes(2496, 1); }, {"-p", "in.png", "-v"}, kLimit},
    {"huge_width_target",
     [] { return png_bytes(3, 2); },
     {"-p", "in.png", "-w", "5000000", "-h", "1"},
     kLimit},
    {"huge_height_target", [] { return png_bytes(1, 1); }, {"-p", "in.png", "-h", "2147483647"}, kLimit},
    {"gif_declaring_23000", [] { return gif_bytes(23000, 23000); }, {"-p", "in.gif"}, kLimit},
    {"bmp_declaring_100000", [] { return bmp_bytes(100000, 100000, false); }, {"-p", "in.bmp"}, kLimit},
    {"svg_declaring_100000", [] { return svg_bytes("100000", "10"); }, {"-p", "in.svg"}, kLimit},
    // Within the limit once resized, but too large a source to decode at all.
    {"gif_declaring_23000_scaled",
     [] { return gif_bytes(23000, 23000); },
     {"-p", "in.gif", "-w", "100", "-h", "100"},
     kTooLarge},
    {"bmp_over_2p28_pixels",
     [] { return bmp_bytes(16384, 16385, false); },
     {"-p", "in.bmp", "-w", "10", "-h", "10"},
     kTooLarge},
    {"svg_declaring_16385", [] { return svg_bytes("16385", "2"); }, {"-p", "in.svg", "-w", "10"}, kTooLarge},
    // Empty images.
    {"zero_width_bmp", [] { return bmp_bytes(0, 4, true); }, {"-p", "in.bmp"}, kInvalid},
    {"zero_height_gif", [] { return gif_bytes(4, 0); }, {"-p", "in.gif"}, kInvalid},
    {"half_pixel_svg", [] { return svg_bytes("0.5", "4"); }, {"-p", "in.svg"}, kInvalid},
    {"zero_width_bmp_resized", [] { return bmp_bytes(0, 4, true); }, {"-p", "in.bmp", "-w", "4"}, kInvalid},
};

INSTANTIATE_TEST_SUITE_P(Pixmint, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(Success, ReplacesALongerFileWholeWithNormalPermissions) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    lvforge::test::write_file(dir / "logo.c", std::string(100000, 'x'));
    const mode_t old_mask = ::umask(027);
    const auto r = pixmint(dir, {"-p", "logo.png"});
    ::umask(old_mask);
    EXPECT_EQ(r.status, 0);
    const std::string text = read_file(dir / "logo.c");
    EXPECT_EQ(text.find('x' + std::string(10, 'x')), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\n};\n");
    struct stat st {};
    ASSERT_EQ(::stat((dir / "logo.c").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(list_dir(dir.path()), (Names{"logo.c", "logo.png"}));
}

TEST(Success, SymlinkedOutputIsWrittenThroughNotReplaced) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    std::filesystem::create_directory(dir / "real");
    lvforge::test::write_file(dir / "real/logo.c", kEarlier);
    std::filesystem::create_symlink("real/logo.c", dir / "logo.c");
    const auto r = pixmint(dir, {"-p", "logo.png"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "logo.c"));
    EXPECT_NE(read_file(dir / "real/logo.c").find("logo_map[]"), std::string::npos);
    EXPECT_EQ(list_dir(dir / "real"), (Names{"logo.c"}));
}

TEST(Success, ReadOnlyDirectoryFallsBackToWritingInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    TempDir dir;
    std::filesystem::create_directory(dir / "ro");
    write_png(dir / "logo.png", 2, 2, 4);
    lvforge::test::write_file(dir / "ro/logo.c", kEarlier);
    ::chmod((dir / "ro").c_str(), 0555);
    const auto r = pixmint(dir, {"-p", "logo.png", "-n", "ro/logo"});
    ::chmod((dir / "ro").c_str(), 0755);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(read_file(dir / "ro/logo.c"), kEarlier);
    EXPECT_EQ(list_dir(dir / "ro"), (Names{"logo.c"}));
}

}  // namespace
}  // namespace pixmint::test
