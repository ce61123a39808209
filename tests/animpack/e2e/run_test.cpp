// Runs of the real animpack binary where the golden cases (tests/golden/animpack)
// can't reach: a FIFO as input, an absolute output name, writes that fail.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
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
        names.push_back(e.path().lexically_relative(dir).string());
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

// The input's bytes in the pattern every test here uses; `size` of them.
std::string input_bytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    return bytes;
}

TEST(Output, AWriteFailingAnywhereKeepsTheEarlierFileAndLeavesNoTemporary) {
    // The input is read and written in blocks: a file-size limit stops the output before its
    // first write, part way through, or at its very last byte, and a full device at its first
    // write. The output of 2 MiB of input is 12 MiB and some.
    const std::string input = input_bytes(2 << 20);
    const struct {
        const char* what;
        long long file_size_limit;  // -1: none
        bool to_full_device;        // big.c is a link to /dev/full
    } cases[] = {
        {"limit before the first write", 100000, false},
        {"limit after a few writes", 3 << 20, false},
        {"limit within the last block", 6LL * (2 << 20) - 100000, false},
        {"full device", -1, true},
    };
    for (const auto& c : cases) {
        TempDir d;
        write_file(d / "big.json", input);
        if (c.to_full_device) {
            std::filesystem::create_symlink("/dev/full", d / "big.c");
        } else {
            write_file(d / "big.c", "earlier good output");
        }
        const auto r = animpack(d, {"-p", "big.json"},
                                {.cwd = "",
                                 .file_size_limit = c.file_size_limit,
                                 .env = {{"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}}});
        EXPECT_EQ(r.out, "ERR: write big.c failed!\n") << c.what;
        EXPECT_EQ(r.err, "") << c.what;
        EXPECT_EQ(r.status, 1) << c.what;
        if (!c.to_full_device) {
            EXPECT_TRUE(read_file(d / "big.c") == "earlier good output") << c.what;
        }
        EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"big.c", "big.json"})) << c.what;
    }
}

TEST(Output, TheLastByteOfALimitIsStillWritten) {
    // A limit of exactly the output's size lets the run succeed; one byte less fails it at its
    // very last write, and the whole earlier file stays.
    TempDir d;
    write_file(d / "big.json", input_bytes(2 << 20));
    const auto whole = animpack(d, {"-p", "big.json"},
                                {.env = {{"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}}});
    ASSERT_EQ(whole.status, 0) << whole.out;
    const auto size = static_cast<long long>(std::filesystem::file_size(d / "big.c"));
    const auto r = animpack(d, {"-p", "big.json"},
                            {.cwd = "",
                             .file_size_limit = size,
                             .env = {{"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}}});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.status, 0);
    const auto short_by_one =
        animpack(d, {"-p", "big.json"},
                 {.cwd = "",
                  .file_size_limit = size - 1,
                  .env = {{"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}}});
    EXPECT_EQ(short_by_one.out, "ERR: write big.c failed!\n");
    EXPECT_EQ(std::filesystem::file_size(d / "big.c"), static_cast<std::uintmax_t>(size));
    EXPECT_EQ(tree(d.path()), (std::vector<std::string>{"big.c", "big.json"}));
}

TEST(Input, AnInputThatFailsToReadLeavesNothingNotEvenADirectory) {
    // Reading a process's own memory from address 0 fails at once: the input opens as a
    // regular file of size 0, and the first read is refused.
    TempDir d;
    const auto r = animpack(d, {"-p", "/proc/self/mem", "-n", "sub/dir/mem"});
    EXPECT_EQ(r.out, "Read json data failed\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(tree(d.path()), std::vector<std::string>{});
}

TEST(Input, AProcFileLargerThanABlockIsReadToItsEnd) {
    // Files under /proc report a size of 0; this one is larger than the 256 KiB animpack reads
    // at a time, and holds still while it is read.
    const char* path = "/proc/kallsyms";
    const std::string expected = read_file(path);
    if (expected.size() < 256 * 1024) GTEST_SKIP() << path << " is not readable here, or too small";
    TempDir d;
    const auto r = animpack(d, {"-p", path, "-n", "proc"});
    ASSERT_EQ(r.status, 0) << r.out;
    // One unit per byte, and the closing zero.
    const std::string text = read_file(d / "proc.c");
    std::size_t units = 0;
    for (std::size_t at = text.find("0x"); at != std::string::npos; at = text.find("0x", at + 2)) ++units;
    EXPECT_EQ(units, expected.size() + 1);
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
