// The banner year: SOURCE_DATE_EPOCH is either plain decimal seconds that fit
// time_t or refused; nothing in between is guessed at.
#include "common/banner_year.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/failure_text.h"
#include "tests/support/test_support.h"

namespace lvforge {
namespace {

TEST(BannerYear, SourceDateEpochIsPlainDecimalSecondsThatFitTimeT) {
    const struct {
        const char* value;
        bool valid;
        std::optional<int> year;  // for valid values: the banner's year, none for no banner
    } cases[] = {
        {"0", true, 1970},
        {"1700000000", true, 2023},
        {"0001700000000", true, 2023},
        {"253402300799", true, 9999},                  // the last second of 9999
        {"9223372036854775807", true, std::nullopt},   // fits time_t, but no UTC date has it
        {"9223372036854775808", false, std::nullopt},  // one past time_t
        {"99999999999999999999999", false, std::nullopt},
        {"", false, std::nullopt},
        {"+1", false, std::nullopt},
        {"-1", false, std::nullopt},
        {" 1", false, std::nullopt},
        {"1 ", false, std::nullopt},
        {"1\n", false, std::nullopt},
        {"1e9", false, std::nullopt},
        {"0x10", false, std::nullopt},
        {"1.5", false, std::nullopt},
        {"\xd9\xa1", false, std::nullopt},  // a non-ASCII digit
    };
    for (const auto& c : cases) {
        const auto year = banner_year_from(c.value);
        ASSERT_EQ(year.ok(), c.valid) << '"' << c.value << '"';
        if (c.valid) {
            EXPECT_EQ(year.value(), c.year) << c.value;
        }
    }
    // Unset: today's UTC year.
    const auto now = banner_year_from(nullptr);
    ASSERT_TRUE(now.ok());
    EXPECT_EQ(now.value(), test::utc_year());
    EXPECT_EQ(source_date_failure_message({}), "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n");
}

}  // namespace
}  // namespace lvforge
