// The output path every generator writes through: SafeOutput and the shared
// write procedure. The point of both is that a failed run leaves the earlier
// file as it was and no temporary file behind.
#include "common/safe_output.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/generated_file.h"
#include "tests/support/test_support.h"

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
        ASSERT_TRUE(out.open((t / "out.c").c_str()).ok());
        out.write("partial", 7);
    }  // destroyed without commit
    EXPECT_EQ(read_file(t / "out.c"), "old");
    SafeOutput out;
    ASSERT_TRUE(out.open((t / "out.c").c_str()).ok());
    ASSERT_TRUE(out.write("new text", 8));
    EXPECT_EQ(read_file(t / "out.c"), "old");  // still the earlier file while writing
    EXPECT_TRUE(out.commit().ok());
    EXPECT_EQ(read_file(t / "out.c"), "new text");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
}

TEST(SafeOutput, RefusesAPathThroughARegularFileOrOntoADirectory) {
    TempDir t;
    test::write_file(t / "file", "keep");
    std::filesystem::create_directory(t / "dir.c");
    SafeOutput out;
    EXPECT_FALSE(out.open((t / "file/x.c").c_str()).ok());
    EXPECT_FALSE(out.open((t / "dir.c").c_str()).ok());
    ASSERT_FALSE(out.commit().ok());
    EXPECT_EQ(out.commit().error(), SafeOutput::Failure::open_failed);
    EXPECT_EQ(read_file(t / "file"), "keep");
    EXPECT_EQ(list_dir(t.path()), (Names{"dir.c", "file"}));
    EXPECT_TRUE(list_dir(t / "dir.c").empty());
}

// Runs a write of `size` bytes under a file-size limit of `limit` bytes in a child process
// (the limit is per process) and returns the commit's outcome as the child's exit code: 0 for
// success, 1 + the failure otherwise.
int commit_under_file_size_limit(const std::string& path, std::size_t size, rlim_t limit) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ignore_file_size_signal();
        const rlimit lim{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        SafeOutput out;
        if (!out.open(path.c_str()).ok()) ::_exit(10);
        const std::string chunk(size, 'n');
        out.write(chunk.data(), chunk.size());
        const auto committed = out.commit();
        ::_exit(committed.ok() ? 0 : 1 + static_cast<int>(committed.error()));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(SafeOutput, AWriteBeyondTheFileSizeLimitFailsCleanly) {
    TempDir t;
    test::write_file(t / "out.c", "old");
    EXPECT_EQ(commit_under_file_size_limit(t / "out.c", 100000, 4096),
              1 + static_cast<int>(SafeOutput::Failure::write_failed));
    EXPECT_EQ(read_file(t / "out.c"), "old");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
    // Within the limit the same child succeeds, so it was the limit that failed it.
    EXPECT_EQ(commit_under_file_size_limit(t / "out.c", 1000, 4096), 0);
    EXPECT_EQ(read_file(t / "out.c"), std::string(1000, 'n'));
}

TEST(SafeOutput, TemporaryNamesStayShortWhateverTheTargetsName) {
    TempDir t;
    const std::string name(255, 'n');  // the longest name the file system takes
    test::write_file(t / name, "old");
    SafeOutput out;
    ASSERT_TRUE(out.open((t / name).c_str()).ok());
    ASSERT_TRUE(out.write("replaced", 8));
    EXPECT_EQ(list_dir(t.path()).size(), 2u);  // the target and a temporary beside it
    EXPECT_TRUE(out.commit().ok());
    EXPECT_EQ(read_file(t / name), "replaced");
    EXPECT_EQ(list_dir(t.path()), Names{name});
    // One byte more is beyond what the file system takes: refused before anything is made.
    EXPECT_FALSE(out.open((t / (name + "n")).c_str()).ok());
    EXPECT_EQ(list_dir(t.path()), Names{name});
}

mode_t mode_of(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SafeOutput, TheReplacedFileKeepsItsPermissionBitsAndANewOneGetsTheUmasks) {
    TempDir t;
    for (const mode_t mode : {0600u, 0640u, 0755u, 0444u}) {
        test::write_file(t / "out.c", "old");
        ::chmod((t / "out.c").c_str(), mode);
        SafeOutput out;
        ASSERT_TRUE(out.open((t / "out.c").c_str()).ok());
        ASSERT_TRUE(out.write("new", 3));
        ASSERT_TRUE(out.commit().ok());
        EXPECT_EQ(mode_of(t / "out.c"), mode) << std::oct << mode;
    }
    const mode_t mask = ::umask(027);
    SafeOutput out;
    ASSERT_TRUE(out.open((t / "fresh.c").c_str()).ok());
    ASSERT_TRUE(out.commit().ok());
    ::umask(mask);
    EXPECT_EQ(mode_of(t / "fresh.c"), 0640u);
}

TEST(SafeOutput, ALinkIsFollowedAndADanglingOnesTargetCreated) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links;  // name -> target, made in order
        std::string target;                                      // the file that must get the text
    } cases[] = {
        {"link to a file", {{"out.c", "real/existing.c"}}, "real/existing.c"},
        {"dangling link", {{"out.c", "real/missing.c"}}, "real/missing.c"},
        {"dangling absolute link", {{"out.c", "@/real/abs.c"}}, "real/abs.c"},
        {"chain ending nowhere", {{"out.c", "hop.c"}, {"hop.c", "real/end.c"}}, "real/end.c"},
    };
    for (const auto& c : cases) {
        TempDir t;
        std::filesystem::create_directory(t / "real");
        test::write_file(t / "real/existing.c", "old");
        for (const auto& [name, target] : c.links) {
            const std::string to = target[0] == '@' ? t.path() + target.substr(1) : target;
            ASSERT_EQ(::symlink(to.c_str(), (t / name).c_str()), 0);
        }
        SafeOutput out;
        ASSERT_TRUE(out.open((t / "out.c").c_str()).ok()) << c.what;
        ASSERT_TRUE(out.write("new", 3));
        ASSERT_TRUE(out.commit().ok()) << c.what;
        EXPECT_EQ(read_file(t / c.target), "new") << c.what;
        for (const auto& link : c.links) {
            EXPECT_TRUE(std::filesystem::is_symlink(t / link.first)) << c.what << ": " << link.first;
        }
    }
}

// Starts a child that opens every one of `paths` (all outputs of a run are open together),
// writes, reports through a pipe and waits to be killed by `sig`. Returns how the child ended
// (128 + signal when killed) once every temporary was seen.
int kill_while_writing(const std::string& dir, const std::vector<std::string>& paths, int sig) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        std::vector<SafeOutput> outs(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (!outs[i].open(paths[i].c_str()).ok() || !outs[i].write("partial", 7)) ::_exit(10);
        }
        ::write(ready[1], "r", 1);
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char c = 0;
    const bool opened = ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    const bool temps_seen = list_dir(dir).size() == 2 * paths.size();
    ::kill(pid, sig);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!opened || !temps_seen) return -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

TEST(SafeOutput, ASignalRemovesEveryTemporaryAndEndsTheRunAsThatSignalDoes) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        TempDir t;
        test::write_file(t / "out.c", "earlier");
        test::write_file(t / "shown.png", "earlier");
        EXPECT_EQ(kill_while_writing(t.path(), {t / "out.c", t / "shown.png"}, sig), 128 + sig)
            << strsignal(sig);
        EXPECT_EQ(read_file(t / "out.c"), "earlier") << strsignal(sig);
        EXPECT_EQ(read_file(t / "shown.png"), "earlier") << strsignal(sig);
        EXPECT_EQ(list_dir(t.path()), (Names{"out.c", "shown.png"})) << strsignal(sig);
    }
}

TEST(WriteGeneratedFile, AFailureInsideTheSinkFailsTheFile) {
    // A text that can't be formatted fails the sink without any failed write; the file must
    // still count as failed rather than an incomplete one being put in place.
    TempDir t;
    test::write_file(t / "out.c", "old");
    const std::string out = t / "out.c";
    const auto written = write_generated_file(out, [](TextSink& s) { s.appendf("%ls", L"\xdcff"); });
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().kind, OutputFailure::Kind::write);
    EXPECT_EQ(written.error().path, out);
    EXPECT_EQ(read_file(out), "old");
    EXPECT_EQ(list_dir(t.path()), Names{"out.c"});
}

}  // namespace
}  // namespace lvforge
