// PNGs decoded while their outputs are written: a decoding that breaks off
// half way, or a write that fails, loses nothing and leaves nothing behind,
// and an output that can only be written in order (a FIFO) gets exactly the
// bytes a file gets.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using Names = std::vector<std::string>;

// Tall enough for several chunks of rows, so that some are written before the decoding fails.
constexpr int kW = 300, kH = 700;

const std::string kEarlier = "an earlier, good output\n";

std::uint32_t be32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<std::uint8_t>(s[at + i]);
    return v;
}

std::string be32_text(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

// Rewrites the PNG at `path` so that its compressed data stops after `keep` of its bytes. The chunks'
// lengths still match the file, so nothing looks wrong before the data is inflated.
void cut_compressed_data(const std::string& path, double keep) {
    const std::string png = read_file(path);
    std::string out = png.substr(0, 8);
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = be32(png, at);
        const std::string type = png.substr(at + 4, 4);
        std::string data = png.substr(at + 8, length);
        if (type == "IDAT") data.resize(static_cast<std::size_t>(static_cast<double>(length) * keep));
        out += be32_text(static_cast<std::uint32_t>(data.size())) + type + data + std::string(4, '\0');
        at += 12 + length;
    }
    lvforge::test::write_file(path, out);
}

TEST(StreamFailures, DataBreakingOffHalfWayWritesNothingAndKeepsTheEarlierFiles) {
    struct Case {
        const char* name;
        std::vector<std::string> args;  // after -p cut.png
        Names earlier;                  // outputs that exist before the run
    };
    const Case cases[] = {
        {"C file", {}, {"cut.c"}},
        {"C file and preview", {"--preview", "shown.png"}, {"cut.c", "shown.png"}},
        {"one depth", {"-d", "16", "--dither"}, {"cut.c"}},
        {"binary", {"-f", "alpha-4", "--bin"}, {"cut.bin"}},
        {"raw", {"-f", "raw"}, {"cut.c"}},
        {"indexed", {"-f", "indexed-8", "--preview", "shown.png"}, {"cut.c", "shown.png"}},
        {"v9",
         {"--lvgl", "9", "-f", "rgb565a8", "--align", "8", "--preview", "shown.png"},
         {"cut.c", "shown.png"}},
        {"v9 compressed", {"--lvgl", "9", "-f", "argb8888", "--compress", "lz4"}, {"cut.c"}},
        {"v9 binary", {"--lvgl", "9", "-f", "i4", "--bin"}, {"cut.bin"}},
        // Directories are made only for an image that decodes.
        {"new directories", {"-n", "new/dir/cut", "--preview", "more/shown.png"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        write_png(dir / "cut.png", kW, kH, 4);
        cut_compressed_data(dir / "cut.png", 0.6);
        Names expected{"cut.png"};
        for (const std::string& name : c.earlier) {
            lvforge::test::write_file(dir / name, kEarlier);
            expected.push_back(name);
        }
        std::sort(expected.begin(), expected.end());
        std::vector<std::string> args{"-p", "cut.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run_pixmint(dir.path(), args);
        EXPECT_EQ(r.out, "Error: Failed to load the image\n");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(list_dir(dir.path()), expected);
        for (const std::string& name : c.earlier) EXPECT_TRUE(read_file(dir / name) == kEarlier) << name;
    }
}

TEST(StreamFailures, AWriteFailingHalfWayKeepsTheEarlierFiles) {
    TempDir dir;
    write_png(dir / "big.png", kW, kH, 4);
    lvforge::test::write_file(dir / "big.c", kEarlier);
    lvforge::test::write_file(dir / "shown.png", kEarlier);
    // The C file is far larger than 1 MiB; the preview is written beside it.
    const auto r = run_pixmint(dir.path(), {"-p", "big.png", "--preview", "shown.png"}, 1 << 20);
    EXPECT_EQ(r.out, "color depth: 0\nERR: write big.c failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(read_file(dir / "big.c") == kEarlier);
    EXPECT_TRUE(read_file(dir / "shown.png") == kEarlier);
    EXPECT_EQ(list_dir(dir.path()), (Names{"big.c", "big.png", "shown.png"}));

    // A preview that can't be written: nothing lands, the outputs of a run land together.
    const auto p = run_pixmint(dir.path(), {"-p", "big.png", "--preview", "/dev/full"});
    EXPECT_EQ(p.out, "color depth: 0\nERR: write /dev/full failed!\n");
    EXPECT_EQ(p.status, 1);
    EXPECT_TRUE(read_file(dir / "big.c") == kEarlier);
    EXPECT_EQ(list_dir(dir.path()), (Names{"big.c", "big.png", "shown.png"}));
}

// Everything written into the FIFO `path` while `run` runs.
std::string read_fifo_while(const std::string& path, const std::function<void()>& run) {
    // Opened for reading first, without waiting, so that the writer finds a reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    std::atomic<bool> done = false;
    std::string got;
    std::thread reader([&] {
        char buf[1 << 16];
        for (;;) {
            const bool finished = done.load();
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) {
                got.append(buf, static_cast<std::size_t>(n));
            } else if (finished) {
                break;
            } else {
                ::usleep(1000);
            }
        }
    });
    run();
    done = true;
    reader.join();
    ::close(fd);
    return got;
}

TEST(InOrderOutputs, AFifoGetsTheBytesAFileGets) {
    TempDir dir;
    write_png(dir / "big.png", kW, kH, 4);
    const struct {
        std::vector<std::string> args;
        const char* file;
    } cases[] = {
        {{"-f", "true-color-alpha", "--dither"}, "big.c"},
        {{"-f", "alpha-2"}, "big.c"},
        {{"-f", "true-color", "-d", "16", "--swap", "--bin"}, "big.bin"},
        {{"--lvgl", "9", "-f", "rgb565a8", "--align", "8"}, "big.c"},
        {{"--lvgl", "9", "-f", "rgb565a8", "--bin"}, "big.bin"},
        {{"--lvgl", "9", "-f", "xrgb8888", "--compress", "rle"}, "big.c"},
        {{"--lvgl", "9", "-f", "a4", "--compress", "lz4", "--bin"}, "big.bin"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"-p", "big.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto to_file = run_pixmint(dir.path(), args);
        ASSERT_EQ(to_file.status, 0) << to_file.out;
        const std::string expected = read_file(dir / c.file);
        std::filesystem::remove(dir / c.file);
        ASSERT_EQ(::mkfifo((dir / c.file).c_str(), 0644), 0);
        lvforge::test::RunResult to_fifo;
        const std::string got =
            read_fifo_while(dir / c.file, [&] { to_fifo = run_pixmint(dir.path(), args); });
        EXPECT_EQ(to_fifo.out, to_file.out);
        EXPECT_EQ(to_fifo.status, 0);
        EXPECT_TRUE(got == expected) << c.file << ": " << got.size() << " bytes, not " << expected.size();
        std::filesystem::remove(dir / c.file);
    }
}

}  // namespace
}  // namespace pixmint::test
