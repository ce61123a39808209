// The output path every generator writes through: SafeOutput and the shared
// write procedure. The point of both is that a failed run leaves the earlier
// file as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "c_source.h"
#include "safe_output.h"
#include "test_support.h"

namespace lvforge {
namespace {

using test::list_dir;
using test::read_file;
using test::TempDir;
using Names = std::vector<std::string>;

TEST(SafeOutput, ReplacesTheFileOnlyAtCommitAndAnAbandonedOutputLeavesNoTrace) {
    TempDir t;
    test::write_file(t / "out.c", "old");
    {
        SafeOutput out;
        ASSERT_TRUE(out.open((t / "out.c").c_str()));
        out.write("partial", 7);
    }  // destroyed without commit
    EXPECT_EQ(read_file(t / "out.c"), "old");
    SafeOutput out;
    ASSERT_TRUE(out.open((t / "out.c").c_str()));
    ASSERT_TRUE(out.write("new text", 8));
    EXPECT_EQ(read_file(t / "out.c"), "old");  // still the earlier file while writing
    EXPECT_EQ(out.commit(), SafeOutput::Status::ok);
    EXPECT_EQ(read_file(t / "out.c"), "new text");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
}

TEST(SafeOutput, RefusesAPathThroughARegularFileOrOntoADirectory) {
    TempDir t;
    test::write_file(t / "file", "keep");
    std::filesystem::create_directory(t / "dir.c");
    SafeOutput out;
    EXPECT_FALSE(out.open((t / "file/x.c").c_str()));
    EXPECT_FALSE(out.open((t / "dir.c").c_str()));
    EXPECT_EQ(out.commit(), SafeOutput::Status::open_failed);
    EXPECT_EQ(read_file(t / "file"), "keep");
    EXPECT_EQ(list_dir(t.path()), (Names{"dir.c", "file"}));
    EXPECT_TRUE(list_dir(t / "dir.c").empty());
}

// Runs a write of `size` bytes under a file-size limit of `limit` bytes in a child process
// (the limit is per process) and returns the commit status as the child's exit code.
int commit_under_file_size_limit(const std::string& path, std::size_t size, rlim_t limit) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ignore_file_size_signal();
        const rlimit lim{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        SafeOutput out;
        if (!out.open(path.c_str())) ::_exit(10);
        const std::string chunk(size, 'n');
        out.write(chunk.data(), chunk.size());
        ::_exit(static_cast<int>(out.commit()));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(SafeOutput, AWriteBeyondTheFileSizeLimitFailsCleanly) {
    TempDir t;
    test::write_file(t / "out.c", "old");
    EXPECT_EQ(commit_under_file_size_limit(t / "out.c", 100000, 4096),
              static_cast<int>(SafeOutput::Status::write_failed));
    EXPECT_EQ(read_file(t / "out.c"), "old");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
    // Within the limit the same child succeeds, so it was the limit that failed it.
    EXPECT_EQ(commit_under_file_size_limit(t / "out.c", 1000, 4096), static_cast<int>(SafeOutput::Status::ok));
    EXPECT_EQ(read_file(t / "out.c"), std::string(1000, 'n'));
}

TEST(SafeOutput, WritesInPlaceWhenNoTemporaryFileCanBeMadeBesideTheTarget) {
    // A target name of 250 characters is valid, but the temporary name built from it
    // exceeds the file-name limit, so only the in-place route is left.
    TempDir t;
    const std::string name(250, 'n');
    test::write_file(t / name, "old");
    SafeOutput out;
    ASSERT_TRUE(out.open((t / name).c_str()));
    ASSERT_TRUE(out.write("in place", 8));
    EXPECT_EQ(out.commit(), SafeOutput::Status::ok);
    EXPECT_EQ(read_file(t / name), "in place");
    EXPECT_EQ(list_dir(t.path()), Names{name});
}

TEST(WriteGeneratedFile, AFailureInsideTheSinkFailsTheFile) {
    // A text that can't be formatted fails the sink without any failed write; the file must
    // still count as failed rather than an incomplete one being put in place.
    TempDir t;
    test::write_file(t / "out.c", "old");
    const std::string out = t / "out.c";
    const auto failure = write_generated_file(out, [](TextSink& s) { s.putf("%ls", L"\xdcff"); });
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->kind, OutputFailure::Kind::write);
    EXPECT_EQ(failure->path, out);
    EXPECT_EQ(read_file(out), "old");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
}

}  // namespace
}  // namespace lvforge
