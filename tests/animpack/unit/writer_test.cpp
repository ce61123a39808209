// write_c_file formats the input block by block as it is handed out, and
// writes in groups of blocks: every input length around those boundaries, in
// blocks of any size, must give the same text as a plain printf; and an input
// that fails part way must leave nothing behind, whatever the output did.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "animpack/hex_writer.h"
#include "tests/support/test_support.h"

namespace animpack {
namespace {

using lvforge::ReadStatus;

// The array text as the plain per-byte rule spells it.
std::string reference_array(const std::string& name, const std::string& attr, const std::string& bytes) {
    std::string s = "const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_" + attr +
                    " uint8_t " + name + "[] = {\n  ";
    char unit[8];
    for (const char b : bytes) {
        std::snprintf(unit, sizeof unit, "0x%02x, ", static_cast<unsigned char>(b));
        s += unit;
    }
    return s + "0x00\n};\n";
}

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 167 + (i >> 8)) & 0xff);
    return bytes;
}

// Hands out `bytes` in blocks of `block` bytes; after `fail_after` blocks (if set), a read failure.
class FakeInput {
   public:
    FakeInput(const std::string& bytes, std::size_t block, std::optional<std::size_t> fail_after = {})
        : bytes_(bytes), block_(block), fail_after_(fail_after) {}

    BlockResult operator()() {
        ++calls_;
        if (fail_after_ && handed_ >= *fail_after_) return ReadStatus::read_failed;
        const std::size_t n = std::min(block_, bytes_.size() - pos_);
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.data() + pos_);
        pos_ += n;
        ++handed_;
        return std::span<const std::uint8_t>(p, n);
    }
    // Whether the input was asked for until it ended or failed.
    bool read_to_the_end() const {
        return fail_after_ ? handed_ >= *fail_after_ && calls_ > handed_ : pos_ == bytes_.size();
    }

   private:
    const std::string& bytes_;
    std::size_t block_;
    std::optional<std::size_t> fail_after_;
    std::size_t pos_ = 0;
    std::size_t handed_ = 0;
    std::size_t calls_ = 0;
};

TEST(WriteCFile, MatchesPerBytePrintfAtEveryBlockBoundary) {
    lvforge::test::TempDir t;
    constexpr std::size_t kFormatBlock = 8 * 1024;  // bytes formatted per sink reservation
    constexpr std::size_t kReadBlock = 256 * 1024;  // what the real input hands out
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{5}, kFormatBlock - 1, kFormatBlock, kFormatBlock + 1,
          8 * kFormatBlock - 1, 8 * kFormatBlock, 8 * kFormatBlock + 3, 17 * kFormatBlock + 4099, kReadBlock,
          3 * kReadBlock + 17}) {
        for (const std::size_t block :
             {std::size_t{1} << 20, kReadBlock, std::size_t{4093}, std::size_t{1}}) {
            if (block == 1 && size > 100000) continue;  // a byte a block: slow, and no new boundary
            const std::string bytes = pattern(size);
            const ArrayRequest job{lvforge::finish_names(t / "blk", "blk"), 2026};
            FakeInput input(bytes, block);
            ASSERT_TRUE(write_c_file(job, std::ref(input)).ok());

            const std::string text = lvforge::test::read_file(t / "blk.c");
            const std::size_t at = text.find("const LV_ATTRIBUTE_LARGE_CONST");
            ASSERT_NE(at, std::string::npos) << size;
            // Compared as one bool: a mismatch in megabytes of text is no use printed whole.
            EXPECT_TRUE(text.substr(at) == reference_array("blk", "BLK", bytes))
                << "input of " << size << " bytes in blocks of " << block;
        }
    }
}

// Every file and directory below `dir`, relative to it, sorted.
std::vector<std::string> tree(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        names.push_back(std::filesystem::relative(e.path(), dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteCFile, AReadFailureLeavesNothingAndWinsOverTheOutputsFailure) {
    using Kind = lvforge::OutputFailure::Kind;
    const std::string bytes = pattern(3 << 20);  // 12 blocks of 256 KiB: many writes of output
    const struct {
        const char* what;
        std::optional<std::size_t> fail_after;  // blocks handed out before the read fails
        const char* out_name;                   // the output, beside an earlier out.c
        bool out_is_full_device;                // out.c is a link to /dev/full: every write fails
        std::optional<Kind> output_failure;     // what is returned; none: the read failure
    } cases[] = {
        {"read fails at once", 0, "sub/dir/out", false, std::nullopt},
        {"read fails after one block", 1, "out", false, std::nullopt},
        {"read fails after many writes", 10, "out", false, std::nullopt},
        {"read fails after the output failed", 10, "out", true, std::nullopt},
        {"read fails after the output could not be made", 10, "out.c/x", false, std::nullopt},
        {"output fails, input read whole", std::nullopt, "out", true, Kind::write},
        {"output can't be made, input read whole", std::nullopt, "out.c/x", false, Kind::open},
    };
    for (const auto& c : cases) {
        lvforge::test::TempDir t;
        if (c.out_is_full_device) {
            if (!lvforge::test::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
            std::filesystem::create_symlink("/dev/full", t / "out.c");
        } else {
            lvforge::test::write_file(t / "out.c", "/* earlier, good output */\n");
        }
        // /dev/full reads as endless zeros: only a regular out.c is read back.
        const auto contents = [&] {
            return c.out_is_full_device ? std::string() : lvforge::test::read_file(t / "out.c");
        };
        const std::string before = contents();
        const std::vector<std::string> files_before = tree(t.path());
        const ArrayRequest job{lvforge::finish_names(t / c.out_name, "out"), 2026};
        FakeInput input(bytes, 256 * 1024, c.fail_after);

        const auto written = write_c_file(job, std::ref(input));
        ASSERT_FALSE(written.ok()) << c.what;
        if (c.output_failure) {
            const auto* output = std::get_if<lvforge::OutputFailure>(&written.error());
            ASSERT_NE(output, nullptr) << c.what;
            EXPECT_EQ(output->kind, *c.output_failure) << c.what;
        } else {
            const auto* read = std::get_if<ReadStatus>(&written.error());
            ASSERT_NE(read, nullptr) << c.what;
            EXPECT_EQ(*read, ReadStatus::read_failed) << c.what;
        }
        EXPECT_TRUE(input.read_to_the_end()) << c.what;
        EXPECT_TRUE(contents() == before) << c.what;
        EXPECT_EQ(tree(t.path()), files_before) << c.what;
    }
}

}  // namespace
}  // namespace animpack
