// Whether two outputs of a run would write the same file, through every way
// of spelling a path that the writers follow.
#include "common/output_target.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

namespace lvforge {
namespace {

TEST(SameOutputFile, EverySpellingOfOneFileAndNothingElse) {
    const struct {
        const char* what;
        std::string a, b;  // relative to the test directory
        bool same;
    } cases[] = {
        {"one name", "same.c", "same.c", true},
        {"a '.' component", "./same.c", "same.c", true},
        {"'..' out of an existing directory", "dir/../same.c", "same.c", true},
        {"'..' out of a directory still to be made", "new/../same.c", "same.c", true},
        {"backslashes as separators", "dir\\deeper\\x.c", "dir/deeper/x.c", true},
        {"a linked directory", "linked_dir/x.c", "dir/x.c", true},
        {"'..' after a linked directory goes where the link leads", "linked_dir/../same.c", "same.c", true},
        {"a dangling link and what it will create", "dangling.png", "dir/missing.c", true},
        {"a link to an existing file", "link.c", "existing.c", true},
        {"a hard link to an existing file", "hard.c", "existing.c", true},
        {"another extension", "same.c", "same.bin", false},
        {"the same name in another directory", "dir/same.c", "same.c", false},
        {"an existing file and a new one", "existing.c", "new/existing.c", false},
    };
    test::TempDir t;
    std::filesystem::create_directories(t / "dir/deeper");
    std::filesystem::create_directory_symlink("dir", t / "linked_dir");
    std::filesystem::create_symlink("dir/missing.c", t / "dangling.png");
    test::write_file(t / "existing.c", "x");
    std::filesystem::create_symlink("existing.c", t / "link.c");
    std::filesystem::create_hard_link(t / "existing.c", t / "hard.c");
    for (const auto& c : cases) {
        EXPECT_EQ(same_output_file(t / c.a, t / c.b), c.same) << c.what;
        EXPECT_EQ(same_output_file(t / c.b, t / c.a), c.same) << c.what;
    }
    // A relative path is taken from the working directory, whose own links are resolved.
    const std::string here = std::filesystem::current_path();
    ASSERT_EQ(::chdir((t / "linked_dir").c_str()), 0);
    const bool relative_same = same_output_file("x.c", t / "dir/x.c");
    const std::string resolved = resolved_output_path("deeper/../x.c");
    ASSERT_EQ(::chdir(here.c_str()), 0);
    EXPECT_TRUE(relative_same);
    EXPECT_EQ(resolved, std::filesystem::canonical(t.path()).string() + "/dir/x.c");
}

}  // namespace
}  // namespace lvforge
