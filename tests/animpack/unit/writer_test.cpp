// append_hex_array formats in blocks and writes in groups of blocks: every input
// length around those boundaries must give the same text as a plain printf.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "animpack/hex_writer.h"
#include "tests/support/test_support.h"

namespace animpack {
namespace {

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

TEST(AddHexArray, MatchesPerBytePrintfAtEveryBlockBoundary) {
    lvforge::test::TempDir t;
    constexpr std::size_t kBlock = 8 * 1024;
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{5}, kBlock - 1, kBlock, kBlock + 1, 8 * kBlock - 1,
          8 * kBlock, 8 * kBlock + 3, 17 * kBlock + 4099}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 167 + (i >> 8)) & 0xff);
        const ArrayRequest job{lvforge::finish_names(t / "blk", "blk"), 2026};
        ASSERT_EQ(write_c_file(job, {reinterpret_cast<const std::uint8_t*>(bytes.data()), size}),
                  std::nullopt);

        const std::string text = lvforge::test::read_file(t / "blk.c");
        const std::size_t at = text.find("const LV_ATTRIBUTE_LARGE_CONST");
        ASSERT_NE(at, std::string::npos) << size;
        // Compared as one bool: a mismatch in megabytes of text is no use printed whole.
        EXPECT_TRUE(text.substr(at) == reference_array("blk", "BLK", bytes))
            << "input of " << size << " bytes";
    }
}

}  // namespace
}  // namespace animpack
