// animpack as a user meets it: runs of the real binary in a fresh directory,
// checking standard output, exit status and exactly which files appeared.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;

const std::string kUsage =
    "animpack: generate hex array source file from json file for lvgl.\n\n"
    "Usage: animpack.exe [options]\nOptions:\n\t-p <json file>    Json file name.\n\t-n <name>         Specify the "
    "name of the generated C source file\n\t-h                Display this help and exit\n";
const std::string kBadName = "Error: Unsupported filename!\n";

lvforge::test::RunResult animpack(const TempDir& cwd, std::vector<std::string> args,
                                  lvforge::test::RunOptions options = {}) {
    args.insert(args.begin(), ANIMPACK_BIN);
    options.cwd = cwd.path();
    return lvforge::test::run(args, options);
}

// Every file and directory below `dir`, relative to it, sorted.
std::vector<std::string> tree(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
        names.push_back(std::filesystem::relative(e.path(), dir).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The inputs every table run finds in its directory.
void populate(const TempDir& d) {
    write_file(d / "anim.json", "abc");
    write_file(d / "intro.part.json", "{}");
    write_file(d / ".json", "{}");
    write_file(d / "data", "{}");
    std::filesystem::create_directory(d / "old.assets");
    write_file(d / "old.assets/data", "{}");
    std::filesystem::create_directory(d / "anim");
    write_file(d / "anim/intro.json", "{}");
    write_file(d / "file", "a regular file");
    std::filesystem::create_directory(d / "adir.c");
    ::mkfifo((d / "fifo").c_str(), 0600);
}

struct Case {
    std::vector<std::string> args;
    std::string out;     // exact standard output
    int status;
    std::string output;  // the file written ("" when nothing may be written)
    std::string var;     // array name expected in it
    std::string attr;    // its attribute macro suffix
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "animpack";
    for (const auto& a : c.args) *os << " '" << a << "'";
}

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, StdoutStatusAndFiles) {
    const Case& c = GetParam();
    TempDir d;
    populate(d);
    const auto before = tree(d.path());
    const auto r = animpack(d, c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, c.status);

    auto expected = before;
    if (!c.output.empty()) {
        // The output and any directories leading to it are all that may appear.
        for (std::filesystem::path p = c.output; !p.empty(); p = p.parent_path()) {
            if (!lvforge::test::exists(d / p.string())) ADD_FAILURE() << p << " missing";
            if (std::find(expected.begin(), expected.end(), p.string()) == expected.end()) {
                expected.push_back(p.string());
            }
        }
        std::sort(expected.begin(), expected.end());
        const std::string text = read_file(d / c.output);
        EXPECT_NE(text.find("#ifndef LV_ATTRIBUTE_" + c.attr + "\n#define LV_ATTRIBUTE_" + c.attr + "\n"),
                  std::string::npos);
        EXPECT_NE(text.find(" LV_ATTRIBUTE_" + c.attr + " uint8_t " + c.var + "[] = {\n  "), std::string::npos);
    }
    EXPECT_EQ(tree(d.path()), expected);
}

const std::string k98(98, 'a');
const std::string k99(99, 'a');
const std::string k150 = std::string(100, 'b') + std::string(50, 'c');

INSTANTIATE_TEST_SUITE_P(
    Names, CommandLine,
    ::testing::Values(
        Case{{"-p", "anim.json"}, "", 0, "anim.c", "anim", "ANIM"},
        Case{{"-p", "intro.part.json"}, "", 0, "intro.part.c", "intro.part", "INTRO.PART"},
        Case{{"-p", ".json"}, "", 0, ".c", "", ""},
        Case{{"-p", "data"}, "", 0, "data.c", "data", "DATA"},
        Case{{"-p", "old.assets/data"}, "", 0, "data.c", "data", "DATA"},
        Case{{"-p", "anim/intro.json"}, "", 0, "intro.c", "intro", "INTRO"},
        Case{{"-n", "out/sub/my_anim", "-p", "anim.json"}, "", 0, "out/sub/my_anim.c", "my_anim", "MY_ANIM"},
        Case{{"-n", "out\\img\\logo", "-p", "anim.json"}, "", 0, "out/img/logo.c", "logo", "LOGO"},
        Case{{"-p", "anim.json", "-n", "my.anim"}, "", 0, "my.anim.c", "my.anim", "MY.ANIM"},
        Case{{"-n", "", "-p", "anim.json"}, "", 0, "anim.c", "anim", "ANIM"},
        Case{{"-p", "missing.json", "-p", "anim.json"}, "", 0, "anim.c", "anim", "ANIM"},
        Case{{"-n", "first", "-n", "second", "-p", "anim.json"}, "", 0, "second.c", "second", "SECOND"},
        Case{{"stray", "-p", "anim.json", "words"}, "", 0, "anim.c", "anim", "ANIM"},
        Case{{"-p", "anim.json", "-n", k98}, "", 0, k98 + ".", k98, std::string(98, 'A')},
        Case{{"-p", "anim.json", "-n", k99}, "", 0, k99, k99, std::string(99, 'A')},
        // The stem is cut to 99 characters, the array name taken from the uncut argument.
        Case{{"-p", "anim.json", "-n", "dir/" + k150}, "", 0, "dir/" + std::string(95, 'b'), std::string(99, 'b'),
             std::string(99, 'B')}));

INSTANTIATE_TEST_SUITE_P(
    Refusals, CommandLine,
    ::testing::Values(Case{{}, kUsage, 1, "", "", ""},
                      Case{{"-h"}, kUsage, 0, "", "", ""},
                      Case{{"-p", "anim.json", "-h"}, kUsage, 0, "", "", ""},
                      Case{{"-h", "-n", "out/"}, kUsage, 0, "", "", ""},
                      Case{{"-x", "-p", "anim.json"}, kUsage, 1, "", "", ""},
                      Case{{"-p"}, kUsage, 1, "", "", ""},
                      Case{{"-p", ""}, kUsage, 1, "", "", ""},
                      Case{{"-p", "", "-h"}, kUsage, 1, "", "", ""},
                      Case{{"-n", "name"}, kUsage, 1, "", "", ""},
                      Case{{"-n", "out/", "-p", "anim.json"}, kBadName, 1, "", "", ""},
                      Case{{"-p", "anim.json", "-n", "out\\"}, kBadName, 1, "", "", ""},
                      Case{{"-n", "first", "-n", "out/", "-p", "anim.json"}, kBadName, 1, "", "", ""},
                      Case{{"-p", "missing.json"}, "open missing.json failed\n", 1, "", "", ""},
                      Case{{"-p", "anim"}, "open anim failed\n", 1, "", "", ""},
                      Case{{"-p", "fifo"}, "Fail to get the file length\n", 1, "", "", ""},
                      Case{{"-n", "file/sub/x", "-p", "anim.json"}, "ERR: create file/sub failed!\n", 1, "", "", ""},
                      Case{{"-n", "adir", "-p", "anim.json"}, "ERR: open adir.c failed!\n", 1, "", "", ""}));

// Golden files hold "@YEAR@" where the banner carries the current UTC year.
std::string golden(const std::string& name) {
    return lvforge::test::replace_all(read_file(std::string(LVFORGE_TEST_DATA) + "/golden/" + name), "@YEAR@",
                                      std::to_string(lvforge::test::utc_year()));
}

TEST(Output, ByteForByteAsTheGoldenFilesAndReplacingAnEarlierOne) {
    TempDir d;
    write_file(d / "anim.json", "abc");
    write_file(d / "empty.json", "");
    write_file(d / "anim.c", "an earlier, longer output that must go entirely");
    ASSERT_EQ(animpack(d, {"-p", "anim.json"}).status, 0);
    ASSERT_EQ(animpack(d, {"-p", "empty.json"}).status, 0);
    EXPECT_EQ(read_file(d / "anim.c"), golden("anim.c"));
    EXPECT_EQ(read_file(d / "empty.c"), golden("empty.c"));
    EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"anim.c", "anim.json", "empty.c", "empty.json"}));
}

TEST(Output, AnAbsoluteNameIsWrittenWhereItPoints) {
    TempDir d;
    TempDir elsewhere;
    write_file(d / "anim.json", "abc");
    const auto r = animpack(d, {"-p", "anim.json", "-n", elsewhere / "x/y/anim"});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read_file(elsewhere / "x/y/anim.c"), golden("anim.c"));
}

TEST(Output, AFailedWriteKeepsTheEarlierFileAndLeavesNoTemporary) {
    TempDir d;
    write_file(d / "big.json", std::string(64 * 1024, '{'));
    write_file(d / "big.c", "earlier good output");
    const auto r = animpack(d, {"-p", "big.json"}, {.cwd = "", .file_size_limit = 100000});
    EXPECT_EQ(r.out, "ERR: write big.c failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(d / "big.c"), "earlier good output");
    EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"big.c", "big.json"}));
}

}  // namespace

// Sets SOURCE_DATE_EPOCH for the runs made while it lives (children inherit it).
class SourceDateEpoch {
public:
    explicit SourceDateEpoch(const char* value) { ::setenv("SOURCE_DATE_EPOCH", value, 1); }
    ~SourceDateEpoch() { ::unsetenv("SOURCE_DATE_EPOCH"); }
    SourceDateEpoch(const SourceDateEpoch&) = delete;
    SourceDateEpoch& operator=(const SourceDateEpoch&) = delete;
};

TEST(Output, SourceDateEpochFixesTheBannerYearOrIsRefusedBeforeAnythingIsWritten) {
    const struct {
        const char* value;
        std::string out;
        int status;
        std::string year;  // in the banner; "" when the earlier file must stay
    } cases[] = {
        {"0", "", 0, "1970"},
        {"1767225599", "", 0, "2025"},  // 2025-12-31 23:59:59 UTC, whatever the local zone
        {"", "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n", 1, ""},
        {"-5", "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n", 1, ""},
        {"12abc", "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n", 1, ""},
    };
    for (const auto& c : cases) {
        TempDir d;
        write_file(d / "anim.json", "abc");
        write_file(d / "anim.c", "earlier");
        const SourceDateEpoch epoch(c.value);
        const auto r = animpack(d, {"-p", "anim.json", "-n", "sub/anim"});
        EXPECT_EQ(r.out, c.out) << c.value;
        EXPECT_EQ(r.status, c.status) << c.value;
        if (c.year.empty()) {
            EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"anim.c", "anim.json"})) << c.value;
        } else {
            EXPECT_EQ(read_file(d / "sub/anim.c"),
                      lvforge::test::replace_all(read_file(std::string(LVFORGE_TEST_DATA) + "/golden/anim.c"),
                                                 "@YEAR@", c.year));
        }
    }
}
