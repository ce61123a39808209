// The output path every generator writes through: SafeOutput, the TextSink in
// front of it and the shared create/open/write procedure. The point of all of
// it is that a failed run leaves the earlier file as it was and no debris.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "c_source.h"
#include "safe_output.h"
#include "test_support.h"
#include "text_sink.h"

namespace lvforge {
namespace {

using test::list_dir;
using test::read_file;
using test::TempDir;
using Names = std::vector<std::string>;

TEST(SafeOutput, ReplacesTheFileOnlyAtCommit) {
    TempDir t;
    test::write_file(t / "out.c", "old");
    SafeOutput out;
    ASSERT_TRUE(out.open((t / "out.c").c_str()));
    ASSERT_TRUE(out.write("new text", 8));
    EXPECT_EQ(read_file(t / "out.c"), "old");  // still the earlier file while writing
    EXPECT_EQ(out.commit(), SafeOutput::Status::ok);
    EXPECT_EQ(read_file(t / "out.c"), "new text");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
}

TEST(SafeOutput, AnAbandonedOutputLeavesTheEarlierFileAndNoTemporary) {
    TempDir t;
    test::write_file(t / "out.c", "old");
    {
        SafeOutput out;
        ASSERT_TRUE(out.open((t / "out.c").c_str()));
        out.write("partial", 7);
    }  // destroyed without commit
    EXPECT_EQ(read_file(t / "out.c"), "old");
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

TEST(TextSink, KeepsEveryByteAcrossReservationsAndBufferRefills) {
    TempDir t;
    std::string expected;
    SafeOutput out;
    ASSERT_TRUE(out.open((t / "big").c_str()));
    {
        TextSink sink(out);
        // Pieces of awkward sizes, together several times the sink's buffer.
        for (std::size_t i = 0; expected.size() < 3 * TextSink::kChunk; ++i) {
            const std::string piece((i * 7919) % (TextSink::kMaxReserve + 1000), static_cast<char>('a' + i % 26));
            sink.put(piece);
            expected += piece;
            char* p = sink.reserve(TextSink::kMaxReserve);
            const int n = std::snprintf(p, 32, "<%zu>", i);
            sink.advance(p + n);
            expected += "<" + std::to_string(i) + ">";
        }
        sink.putf("%s=%d\n", "end", 42);
        expected += "end=42\n";
        EXPECT_TRUE(sink.flush());
    }
    ASSERT_EQ(out.commit(), SafeOutput::Status::ok);
    EXPECT_TRUE(read_file(t / "big") == expected);
}

TEST(WriteGeneratedFile, ReportsEachFailureWithItsMessageAndLeavesNothingBehind) {
    TempDir t;
    test::write_file(t / "file", "keep");
    std::filesystem::create_directory(t / "dir.c");
    test::write_file(t / "out.c", "old");
    const auto body = [](TextSink& s) { s.put("text"); };

    const std::string blocked = t / "file/sub/x.c";
    testing::internal::CaptureStdout();
    EXPECT_EQ(write_generated_file(blocked.c_str(), body), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR: create " + t.path() + "/file/sub failed!\n");

    const std::string dir = t / "dir.c";
    testing::internal::CaptureStdout();
    EXPECT_EQ(write_generated_file(dir.c_str(), body), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR: open " + dir + " failed!\n");

    // A failure inside the sink itself (here a text that can't be formatted) must fail the
    // file just like a failed write, not put a file with text missing in place.
    const std::string out = t / "out.c";
    testing::internal::CaptureStdout();
    EXPECT_EQ(write_generated_file(out.c_str(), [](TextSink& s) { s.putf("%ls", L"\xdcff"); }), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR: write " + out + " failed!\n");
    EXPECT_EQ(read_file(out), "old");
    EXPECT_EQ(list_dir(t.path()), (Names{"dir.c", "file", "out.c"}));
}

TEST(PutCHead, BannerYearIncludeAndGuards) {
    TempDir t;
    ASSERT_EQ(write_generated_file((t / "h.c").c_str(),
                                   [](TextSink& s) { put_c_head(s, "/* %d */\n", "LV_ATTRIBUTE_X_", "NAME"); }),
              0);
    EXPECT_EQ(read_file(t / "h.c"),
              "/* " + std::to_string(test::utc_year()) +
                  " */\n#include \"lvgl.h\"\n\n"
                  "#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n\n"
                  "#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n"
                  "#ifndef LV_ATTRIBUTE_X_NAME\n#define LV_ATTRIBUTE_X_NAME\n#endif\n\n");
}

}  // namespace
}  // namespace lvforge
