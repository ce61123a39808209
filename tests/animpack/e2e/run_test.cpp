// Runs of the real animpack binary where the golden cases (tests/golden/animpack)
// can't reach: a FIFO as input, an absolute output name, writes that fail.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

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
    return read_file(std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/animpack/inputs/anim/out/anim.c");
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

TEST(Output, WithoutATemporaryFileTheEarlierFileIsKeptAndNothingWritten) {
    // Root ignores permission bits, so it runs animpack as an unprivileged user, who may write
    // the earlier file but can't create one beside it; anyone else gets a read-only directory.
    TempDir d;
    ::chmod(d.path().c_str(), 0755);
    std::filesystem::create_directory(d / "ro");
    write_file(d / "anim.json", "abc");
    write_file(d / "ro/anim.c", "earlier");
    ::chmod((d / "anim.json").c_str(), 0644);
    ::chmod((d / "ro/anim.c").c_str(), 0666);
    std::vector<std::string> argv{ANIMPACK_BIN, "-p", "anim.json", "-n", "ro/anim"};
    if (::geteuid() == 0) {
        if (!lvforge::test::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "no setpriv to run as an unprivileged user";
        argv.insert(argv.begin(), {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    } else {
        ::chmod((d / "ro").c_str(), 0555);
    }
    const auto r = lvforge::test::run(argv, {.cwd = d.path()});
    ::chmod((d / "ro").c_str(), 0755);
    EXPECT_EQ(r.out, "ERR: open ro/anim.c failed!\n") << r.err;
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_file(d / "ro/anim.c"), "earlier");
    EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"anim.json", "ro", "ro/anim.c"}));
}

}  // namespace
