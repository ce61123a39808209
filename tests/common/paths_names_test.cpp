// remove_dir, CreatDir and the stem rule, below what the tools' end-to-end
// tests can see: the buffers they leave and the paths they rewrite.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "names.h"
#include "path_ops.h"
#include "test_support.h"

namespace lvforge {
namespace {

using test::TempDir;

TEST(RemoveDir, LastComponentAfterEitherSeparatorOrRefusalWithBufferUntouched) {
    char out[kNameBufSize] = "untouched";
    EXPECT_EQ(remove_dir("dir/", out), -1);
    EXPECT_EQ(remove_dir("", out), -1);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(remove_dir("a\\b/c.d", out), 0);
    EXPECT_STREQ(out, "c.d");
}

TEST(CreatDir, CreatesEveryDirectoryOfAnAbsolutePathAndRewritesBackslashes) {
    TempDir t;
    std::string path = t.path() + "/a\\b/c\\file.c";
    ASSERT_EQ(CreatDir(path.data()), 0);
    EXPECT_EQ(path, t.path() + "/a/b/c/file.c");
    EXPECT_TRUE(std::filesystem::is_directory(t / "a/b/c"));
    EXPECT_FALSE(test::exists(t / "a/b/c/file.c"));
    // Directories that exist already are fine; a trailing separator creates the last one too.
    std::string again = t.path() + "/a/b/d/";
    EXPECT_EQ(CreatDir(again.data()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(t / "a/b/d"));
}

TEST(CreatDir, FailureCutsThePathAtTheDirectoryThatCouldNotBeMade) {
    TempDir t;
    test::write_file(t / "file", "x");
    std::string path = t.path() + "/file\\sub\\deeper/x.c";
    EXPECT_EQ(CreatDir(path.data()), -1);
    EXPECT_EQ(std::string(path.c_str()), t.path() + "/file/sub");
    EXPECT_EQ(test::read_file(t / "file"), "x");
}

TEST(Names, BackslashesDecideTheBaseNameAndOnlyAsciiLettersAreRaised) {
    const struct {
        const char* path;
        const char* stem;
    } cases[] = {
        {"C:\\anims\\intro.json", "intro"},
        {"a/b\\c.d/e.json", "c.d/e"},  // a backslash hides every slash, before and after it
        {"dir/", ""},
    };
    for (const auto& c : cases) {
        char stem[kNameBufSize] = "junk";
        stem_from_input(c.path, stem);
        EXPECT_STREQ(stem, c.stem) << c.path;
    }
    OutputNames n;
    finish_names(n, "out/x", "my_anim-2.x\xc3\xa4");
    EXPECT_STREQ(n.out_path, "out/x.c");
    EXPECT_STREQ(n.attr_name, "MY_ANIM-2.X\xc3\xa4");
}

}  // namespace
}  // namespace lvforge
