// Runs of the real animpack binary where the golden cases (tests/golden/animpack)
// can't reach: a FIFO as input, an absolute output name, a write that fails.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;

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

TEST(Refusals, AFifoIsNotWaitedFor) {
    TempDir d;
    ASSERT_EQ(::mkfifo((d / "fifo").c_str(), 0600), 0);
    const auto r = animpack(d, {"-p", "fifo"});
    EXPECT_EQ(r.out, "Fail to get the file length\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(tree(d.path()), std::vector<std::string>{"fifo"});
}

// The output of `-p anim.json` for "abc", as its golden case holds it.
std::string golden_anim() {
    return read_file(std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/animpack/anim/out/anim.c");
}

TEST(Output, AnAbsoluteNameIsWrittenWhereItPoints) {
    TempDir d;
    TempDir elsewhere;
    write_file(d / "anim.json", "abc");
    const auto r = animpack(d, {"-p", "anim.json", "-n", elsewhere / "x/y/anim"},
                            {.env = {{"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}}});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read_file(elsewhere / "x/y/anim.c"), golden_anim());
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
