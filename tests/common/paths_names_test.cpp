// remove_dir, CreatDir and the name rules: the pieces that decide where a
// generated file lands and what its C names are.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "names.h"
#include "path_ops.h"
#include "test_support.h"

namespace lvforge {
namespace {

using test::exists;
using test::TempDir;

bool is_dir(const std::string& path) { return std::filesystem::is_directory(path); }

TEST(RemoveDir, TakesTheLastComponentAfterEitherSeparator) {
    char out[kNameBufSize] = "untouched";
    EXPECT_EQ(remove_dir("a\\b/c", out), 0);
    EXPECT_STREQ(out, "c");
    EXPECT_EQ(remove_dir("a/b\\c.d", out), 0);
    EXPECT_STREQ(out, "c.d");
    EXPECT_EQ(remove_dir("plain", out), 0);
    EXPECT_STREQ(out, "plain");
}

TEST(RemoveDir, RefusesAnEmptyLastComponentAndLeavesTheBufferAlone) {
    char out[kNameBufSize] = "untouched";
    EXPECT_EQ(remove_dir("dir/", out), -1);
    EXPECT_EQ(remove_dir("dir\\", out), -1);
    EXPECT_EQ(remove_dir("", out), -1);
    EXPECT_STREQ(out, "untouched");
}

TEST(RemoveDir, CutsALongComponentTo99Characters) {
    char out[kNameBufSize];
    const std::string longname(150, 'x');
    ASSERT_EQ(remove_dir(("dir/" + longname).c_str(), out), 0);
    EXPECT_EQ(std::string(out), std::string(99, 'x'));
}

TEST(CreatDir, CreatesEveryDirectoryBeforeTheFileNameAndRewritesBackslashes) {
    TempDir t;
    std::string path = t.path() + "/a\\b/c\\file.c";
    ASSERT_EQ(CreatDir(path.data()), 0);
    EXPECT_EQ(path, t.path() + "/a/b/c/file.c");
    EXPECT_TRUE(is_dir(t / "a/b/c"));
    EXPECT_FALSE(exists(t / "a/b/c/file.c"));
    // Directories that exist already are fine, and a trailing separator creates the last one too.
    std::string again = t.path() + "/a/b/d/";
    EXPECT_EQ(CreatDir(again.data()), 0);
    EXPECT_TRUE(is_dir(t / "a/b/d"));
}

TEST(CreatDir, FailureCutsThePathAtTheDirectoryThatCouldNotBeMade) {
    TempDir t;
    test::write_file(t / "file", "x");
    std::string path = t.path() + "/file\\sub\\deeper/x.c";
    EXPECT_EQ(CreatDir(path.data()), -1);
    EXPECT_EQ(std::string(path.c_str()), t.path() + "/file/sub");
    EXPECT_EQ(test::read_file(t / "file"), "x");
}

TEST(CreatDir, PathsWithoutDirectoriesAndNullCreateNothing) {
    std::string name = "just-a-file.c";
    EXPECT_EQ(CreatDir(name.data()), 0);
    EXPECT_EQ(name, "just-a-file.c");
    EXPECT_EQ(CreatDir(nullptr), 0);
}

struct StemCase {
    const char* path;
    const char* stem;
};

TEST(StemFromInput, BaseNameUpToItsLastDot) {
    const StemCase cases[] = {
        {"anim/intro.json", "intro"},
        {"intro.part.json", "intro.part"},
        {".json", ""},
        {"data", "data"},                      // no dot: the whole base name
        {"old.assets/data", "data"},           // the only dot is in a directory name
        {"C:\\anims\\intro.json", "intro"},
        {"a/b\\c.d/e.json", "c.d/e"},          // a backslash hides every slash before and after it
        {"dir/", ""},
    };
    for (const auto& c : cases) {
        char stem[kNameBufSize] = "junk";
        stem_from_input(c.path, stem);
        EXPECT_STREQ(stem, c.stem) << c.path;
    }
    char stem[kNameBufSize];
    stem_from_input((std::string(150, 's') + ".json").c_str(), stem);
    EXPECT_EQ(std::string(stem), std::string(99, 's'));
}

TEST(FinishNames, OutPathSuffixIsCutAt99AndOnlyAsciiLowerCaseIsRaised) {
    OutputNames n;
    finish_names(n, "out/sub/my_anim", "my_anim-2.x\xc3\xa4");
    EXPECT_STREQ(n.out_path, "out/sub/my_anim.c");
    EXPECT_STREQ(n.var_name, "my_anim-2.x\xc3\xa4");
    EXPECT_STREQ(n.attr_name, "MY_ANIM-2.X\xc3\xa4");

    finish_names(n, std::string(98, 'a').c_str(), "v");
    EXPECT_EQ(std::string(n.out_path), std::string(98, 'a') + ".");
    finish_names(n, std::string(99, 'a').c_str(), "v");
    EXPECT_EQ(std::string(n.out_path), std::string(99, 'a'));
    finish_names(n, std::string(150, 'a').c_str(), std::string(150, 'b').c_str());
    EXPECT_EQ(std::string(n.out_path), std::string(99, 'a'));
    EXPECT_EQ(std::string(n.attr_name), std::string(99, 'B'));
}

TEST(ToOpenPath, BackslashesBecomeSlashes) {
    char p[kNameBufSize];
    to_open_path("out\\img\\logo.c", p);
    EXPECT_STREQ(p, "out/img/logo.c");
}

}  // namespace
}  // namespace lvforge
