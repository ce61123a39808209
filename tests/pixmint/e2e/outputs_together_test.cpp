// A run's outputs land together or not at all: when the preview fails, the C
// file (or the .bin) it accompanies must not land either, and an interrupted
// run leaves none of its temporary files behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;

const std::string kEarlier = "/* an earlier, good output */\n";
const std::string kEarlierPreview = "an earlier preview";

// The run directory every case starts from: the image, the earlier outputs, and what stands in
// the previews' way (a directory, a regular file, a read-only directory).
void lay_out(const TempDir& dir) {
    write_noise_png(dir / "in.png", 64, 64);
    write_file(dir / "out.c", kEarlier);
    write_file(dir / "out.bin", kEarlier);
    write_file(dir / "shown.png", kEarlierPreview);
    std::filesystem::create_directory(dir / "adir.png");
    write_file(dir / "plain", kEarlier);
    std::filesystem::create_directory(dir / "ro");
    write_file(dir / "ro/shown.png", kEarlierPreview);
    ::chmod((dir / "ro").c_str(), 0555);
}

TEST(OutputsTogether, AFailedPreviewLandsNoOutputAndLeavesNoTemporary) {
    const bool root = ::geteuid() == 0;
    const struct {
        const char* what;
        std::string preview;
        const char* verb;
        bool needs_permissions;     // root writes into read-only directories
        long long file_size_limit;  // -1: none
    } targets[] = {
        {"a directory", "adir.png", "open", false, -1},
        {"a full device", "/dev/full", "write", false, -1},
        {"a read-only directory", "ro/shown.png", "open", true, -1},
        {"a path under a regular file", "plain/shown.png", "open", false, -1},
        {"a name too long", std::string(300, 'n') + ".png", "open", false, -1},
        // The .bin of -d 8 is 4 KiB, the preview of the noise about 10 KiB: the disk "fills"
        // while the preview is written. The C file is larger than its preview, so no limit lets
        // it through and stops the preview.
        {"a full disk", "shown.png", "write", false, 6000},
    };
    const struct {
        const char* what;
        std::vector<std::string> args;
        std::string output;
    } modes[] = {
        {"C file", {"-p", "in.png", "-n", "out", "-d", "8"}, "out.c"},
        {".bin", {"-p", "in.png", "-n", "out", "--bin", "-d", "8"}, "out.bin"},
    };
    for (const auto& mode : modes) {
        for (const auto& t : targets) {
            if (t.needs_permissions && root) continue;
            if (t.file_size_limit >= 0 && mode.output == "out.c") continue;
            SCOPED_TRACE(std::string(mode.what) + ", preview into " + t.what);
            TempDir dir;
            lay_out(dir);
            const std::vector<std::string> before = list_dir(dir.path());
            std::vector<std::string> args = mode.args;
            args.insert(args.end(), {"--preview", t.preview});
            const auto r = run_pixmint(dir.path(), args, t.file_size_limit);
            EXPECT_EQ(r.out, "color depth: 8\nERR: " + std::string(t.verb) + " " + t.preview + " failed!\n");
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(read_file(dir / mode.output), kEarlier);
            EXPECT_EQ(read_file(dir / "shown.png"), kEarlierPreview);
            EXPECT_EQ(read_file(dir / "ro/shown.png"), kEarlierPreview);
            EXPECT_EQ(list_dir(dir.path()), before);
            EXPECT_EQ(list_dir(dir / "ro"), std::vector<std::string>{"shown.png"});
            EXPECT_EQ(list_dir(dir / "adir.png"), std::vector<std::string>{});
        }
    }
}

TEST(OutputsTogether, ADanglingLinksMissingDirectoryIsCreatedForEitherOutput) {
    const struct {
        const char* link;    // made in the run directory
        const char* target;  // where the link points: two directories that do not exist
    } cases[] = {
        {"out.c", "made/for_c/out.c"},
        {"shown.png", "made/for_preview/shown.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        TempDir dir;
        write_noise_png(dir / "in.png", 8, 8);
        std::filesystem::create_symlink(c.target, dir / c.link);
        const auto r = run_pixmint(dir.path(), {"-p", "in.png", "-n", "out", "--preview", "shown.png"});
        EXPECT_EQ(r.out, "color depth: 0\n");
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(std::filesystem::is_symlink(dir / c.link));
        EXPECT_TRUE(std::filesystem::is_regular_file(dir / c.target));
        EXPECT_EQ(read_file(dir / "out.c").substr(0, 2), "/*");
        EXPECT_EQ(read_file(dir / "shown.png").substr(1, 3), "PNG");
    }
}

// Waits until the run `pid` has sent bytes into the FIFO held open as `fifo_fd`; false when it
// ended before that.
bool wait_for_bytes(int fifo_fd, pid_t pid) {
    for (;;) {
        pollfd p{fifo_fd, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0 && (p.revents & POLLIN) != 0) return true;
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) return false;
    }
}

bool is_temporary(const std::string& name) {
    return name.starts_with(".lvforge.");
}

TEST(OutputsTogether, ASignalWhileOneOutputBlocksRemovesTheOthersTemporary) {
    // The FIFO is written last, once the other output sits complete in its temporary file; its
    // reader takes nothing, so the run blocks there with that temporary on disk.
    const struct {
        const char* what;
        std::vector<std::string> args;
        const char* fifo;
        const char* earlier;  // the other output's earlier file, which must stay
    } cases[] = {
        {"the C file is a FIFO", {"-n", "fifo", "--preview", "shown.png"}, "fifo.c", "shown.png"},
        {"the preview is a FIFO", {"-n", "out", "-d", "24", "--preview", "fifo.png"}, "fifo.png", "out.c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        write_noise_png(dir / "in.png", 256, 256);
        write_file(dir / c.earlier, kEarlier);
        ASSERT_EQ(::mkfifo((dir / c.fifo).c_str(), 0644), 0);
        // Read and write ends at once: the run's open finds a reader, and no end-of-file is seen.
        const int fifo_fd = ::open((dir / c.fifo).c_str(), O_RDWR | O_NONBLOCK);
        ASSERT_GE(fifo_fd, 0);
        std::vector<std::string> args{"-p", "in.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const pid_t pid = start_pixmint(dir.path(), args);
        const bool blocked = wait_for_bytes(fifo_fd, pid);
        const std::vector<std::string> during = list_dir(dir.path());
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(fifo_fd);
        ASSERT_TRUE(blocked);
        EXPECT_EQ(std::count_if(during.begin(), during.end(), is_temporary), 1);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        EXPECT_EQ(read_file(dir / c.earlier), kEarlier);
        std::vector<std::string> left = {c.earlier, c.fifo, "in.png"};
        std::sort(left.begin(), left.end());
        EXPECT_EQ(list_dir(dir.path()), left);
    }
}

}  // namespace
}  // namespace pixmint::test
