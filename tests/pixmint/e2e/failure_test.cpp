// Failed runs lose nothing: the message and status are exact, an earlier
// output stays byte for byte, and no temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

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

TEST(Success, ReplacesALongerFileWholeKeepingItsPermissions) {
    TempDir dir;
    write_png(dir / "logo.png", 2, 2, 4);
    lvforge::test::write_file(dir / "logo.c", std::string(100000, 'x'));
    ::chmod((dir / "logo.c").c_str(), 0640);
    const mode_t old_mask = ::umask(077);  // would give 0600 to a new file
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

TEST(Failure, ReadOnlyDirectoryKeepsTheEarlierFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    TempDir dir;
    std::filesystem::create_directory(dir / "ro");
    write_png(dir / "logo.png", 2, 2, 4);
    lvforge::test::write_file(dir / "ro/logo.c", kEarlier);
    ::chmod((dir / "ro").c_str(), 0555);
    const auto r = pixmint(dir, {"-p", "logo.png", "-n", "ro/logo"});
    ::chmod((dir / "ro").c_str(), 0755);
    EXPECT_EQ(r.out, "ERR: open ro/logo.c failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(dir / "ro/logo.c"), kEarlier);
    EXPECT_EQ(list_dir(dir / "ro"), (Names{"logo.c"}));
}

}  // namespace
}  // namespace pixmint::test
