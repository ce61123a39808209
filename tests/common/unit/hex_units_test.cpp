// The 16-bytes-at-a-time units must be exactly the units written one by one, for both tables,
// every byte value, and every length around the 16-byte blocks (including the tail after them).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/hex_tables.h"

namespace {

std::string one_by_one(const lvforge::HexTable& table, const std::vector<std::uint8_t>& in) {
    std::string out(in.size() * 6 + 2, '\0');
    char* p = out.data();
    for (const std::uint8_t b : in) p = lvforge::copy_hex_unit(p, table, b);
    out.resize(in.size() * 6);
    return out;
}

TEST(HexUnits, EqualTheUnitsOneByOne) {
    for (const lvforge::HexTable* table : {&lvforge::kPixelHex, &lvforge::kArrayHex}) {
        std::vector<std::uint8_t> all(256 + 47);
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::uint8_t>(i * 7 + 3);
        for (std::size_t n = 0; n <= all.size(); n += (n < 50 ? 1 : 37)) {
            const std::vector<std::uint8_t> in(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n));
            std::string out(n * 6 + 2, '\0');
            const char* end = lvforge::copy_hex_units(out.data(), *table, in.data(), n);
            ASSERT_EQ(end, out.data() + n * 6) << n;
            out.resize(n * 6);
            ASSERT_EQ(out, one_by_one(*table, in)) << "n = " << n;
        }
    }
}

}  // namespace
