// The path helpers and the stem rule, below what the tools' end-to-end tests
// can see: the failure they name and the names they derive.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/names.h"
#include "common/paths.h"
#include "tests/support/test_support.h"

namespace lvforge {
namespace {

using test::TempDir;

TEST(LastPathComponent, AfterEitherSeparatorOrNoneWhenEmpty) {
    EXPECT_EQ(last_path_component("dir/"), std::nullopt);
    EXPECT_EQ(last_path_component(""), std::nullopt);
    EXPECT_EQ(last_path_component("a\\b/c.d"), "c.d");
    EXPECT_EQ(last_path_component("plain"), "plain");
}

TEST(CreateParentDirectories, CreatesEveryDirectoryOfAnAbsolutePathWithEitherSeparator) {
    TempDir t;
    EXPECT_TRUE(create_parent_directories(t.path() + "/a\\b/c\\file.c").ok());
    EXPECT_TRUE(std::filesystem::is_directory(t / "a/b/c"));
    EXPECT_FALSE(test::exists(t / "a/b/c/file.c"));
    // Directories that exist already are fine; a trailing separator creates the last one too.
    EXPECT_TRUE(create_parent_directories(t.path() + "/a/b/d/").ok());
    EXPECT_TRUE(std::filesystem::is_directory(t / "a/b/d"));
}

TEST(CreateParentDirectories, FailureNamesTheDirectoryThatCouldNotBeMade) {
    TempDir t;
    test::write_file(t / "file", "x");
    const auto made = create_parent_directories(t.path() + "/file\\sub\\deeper/x.c");
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.error().kind, OutputFailure::Kind::create_directory);
    EXPECT_EQ(made.error().path, t.path() + "/file/sub");
    EXPECT_EQ(test::read_file(t / "file"), "x");
}

TEST(Names, BackslashesDecideTheBaseNameAndTheCNamesAreIdentifiers) {
    const struct {
        const char* path;
        const char* stem;
    } cases[] = {
        {"C:\\anims\\intro.json", "intro"},
        {"a/b\\c.d/e.json", "c.d/e"},  // a backslash hides every slash, before and after it
        {"dir/", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(stem_from_input(c.path), c.stem) << c.path;
    const OutputNames n = finish_names("out/my-x", "my_anim-2.x\xc3\xa4");
    EXPECT_EQ(n.out_path, "out/my-x.c");
    EXPECT_EQ(n.var_name, "my_anim_2_x__");
    EXPECT_EQ(n.attr_name, "MY_ANIM_2_X__");
}

TEST(Names, EveryByteOutsideAnIdentifierBecomesAnUnderscore) {
    const struct {
        std::string_view name;
        const char* id;
    } cases[] = {
        {"my_logo", "my_logo"},
        {"my-logo", "my_logo"},
        {"2x", "_2x"},
        {"a b", "a_b"},
        {"_9", "_9"},
        {"9", "_9"},
        {"", "_"},
        {"a\nb", "a_b"},
        {"\"", "_"},
        {"\xff", "_"},
        {{"a\0b", 3}, "a_b"},
        {"Zz09", "Zz09"},
    };
    for (const auto& c : cases) EXPECT_EQ(c_identifier(c.name), c.id) << c.name;
}

}  // namespace
}  // namespace lvforge
