// InputFile and read_whole_file: the input side of the generators, including
// the inputs that are not regular files and must be refused without blocking.
#include "common/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/failure_text.h"
#include "tests/support/test_support.h"

namespace lvforge {
namespace {

using test::TempDir;

TEST(ReadWholeFile, ReadsEveryByteAndAddsATerminator) {
    TempDir t;
    // Empty, and large enough for the huge-page buffer.
    for (const std::size_t size : {std::size_t{0}, std::size_t{5} << 20}) {
        std::string data(size, '\0');
        for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>(i * 131 + i / 4096);
        test::write_file(t / "in", data);
        auto read = read_whole_file((t / "in").c_str());
        ASSERT_TRUE(read.ok());
        const WholeFile& f = read.value();
        ASSERT_EQ(f.size, size);
        EXPECT_TRUE(std::string(f.data.get(), f.size + 1) == data + '\0');
    }
}

TEST(ReadWholeFile, ReadsToTheEndWhateverSizeTheFileReports) {
    // Files under /proc report a size of 0; the larger one outgrows any first buffer.
    for (const char* path : {"/proc/version", "/proc/kallsyms"}) {
        const std::string expected = test::read_file(path);
        if (expected.empty()) continue;  // not there, or not readable here
        auto read = read_whole_file(path);
        ASSERT_TRUE(read.ok()) << path;
        const WholeFile& f = read.value();
        EXPECT_EQ(f.size, expected.size()) << path;
        EXPECT_TRUE(std::string(f.data.get(), f.size + 1) == expected + '\0') << path;
    }
}

TEST(ReadWholeFile, RefusesWhatIsNotARegularFile) {
    TempDir t;
    ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0600), 0);
    const struct {
        std::string path;
        ReadStatus status;
    } cases[] = {
        {t / "missing", ReadStatus::open_failed},
        {t.path(), ReadStatus::open_failed},
        // A FIFO without a writer: answered at once, not waited on.
        {t / "fifo", ReadStatus::length_failed},
        {"/dev/zero", ReadStatus::length_failed},  // would never end
    };
    for (const auto& c : cases) {
        const auto read = read_whole_file(c.path.c_str());
        ASSERT_FALSE(read.ok()) << c.path;
        EXPECT_EQ(read.error(), c.status) << c.path;
    }
}

TEST(ReadFailureMessage, EachStatusHasItsOwnWords) {
    // The tools' callers match these texts; every status must keep its own.
    const struct {
        ReadStatus status;
        const char* text;
    } cases[] = {
        {ReadStatus::open_failed, "open conf.json failed\n"},
        {ReadStatus::length_failed, "Fail to get the file length\n"},
        {ReadStatus::alloc_failed, "allocate memory for json_date failed\n"},
        {ReadStatus::read_failed, "Read json data failed\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read_failure_message(c.status, "conf.json", "json_date"), c.text)
            << static_cast<int>(c.status);
}

TEST(InputFile, BlocksAreFullUntilTheLastWhichEndsTheFile) {
    TempDir t;
    constexpr std::size_t kBlock = 4096;
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, kBlock - 1, kBlock, kBlock + 1, 3 * kBlock}) {
        std::string data(size, '\0');
        for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>(i * 7 + 1);
        test::write_file(t / "in", data);
        auto opened = InputFile::open((t / "in").c_str());
        ASSERT_TRUE(opened.ok());
        EXPECT_EQ(opened.value().reported_size(), size);
        std::string got;
        char buf[kBlock];
        for (;;) {
            const auto n = opened.value().read(buf, kBlock);
            ASSERT_TRUE(n.ok());
            got.append(buf, n.value());
            if (n.value() < kBlock) break;  // only the end of the file gives a short block
            ASSERT_LE(got.size(), size) << "a full block past the end of a file of " << size;
        }
        EXPECT_TRUE(got == data) << size;
    }
    EXPECT_EQ(InputFile::open((t / "missing").c_str()).error(), ReadStatus::open_failed);
    EXPECT_EQ(InputFile::open(t.path().c_str()).error(), ReadStatus::open_failed);
    EXPECT_EQ(InputFile::open("/dev/zero").error(), ReadStatus::length_failed);
}

}  // namespace
}  // namespace lvforge
