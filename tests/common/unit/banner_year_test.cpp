// The banner year: SOURCE_DATE_EPOCH is either plain decimal seconds that fit
// time_t or refused; nothing in between is guessed at.
#include "common/banner_year.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <vector>

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

TEST(BannerYear, TheYearIsGmtimesForEveryMoment) {
    // The year is counted without gmtime(); gmtime() is the reference here, from 1970 to the
    // last moment whose year an int holds, around every turn of a year and across leap days.
    std::vector<std::int64_t> moments;
    for (std::int64_t t = 0; t < 20000000000; t += 7919 * 86400 / 7) moments.push_back(t);
    for (int year = 1970; year <= 2500; ++year) {
        std::tm jan1{};
        jan1.tm_year = year - 1900;
        jan1.tm_mday = 1;
        const std::int64_t start = ::timegm(&jan1);
        for (const std::int64_t delta : {-86400, -1, 0, 1, 59 * 86400, 60 * 86400})
            if (start + delta >= 0) moments.push_back(start + delta);
    }
    for (std::int64_t t = 67767976233316800; t < 67768036191676800; t += 400LL * 365 * 86400 + 7)
        moments.push_back(t);
    moments.push_back(67767976233532799);  // the last second of the year 2147483647
    moments.push_back(67767976233532800);  // the first of the next, which no int holds
    for (const std::int64_t t : moments) {
        const std::time_t time = t;
        std::tm utc{};
        std::optional<int> expected;
        if (::gmtime_r(&time, &utc) != nullptr && utc.tm_year <= std::numeric_limits<int>::max() - 1900)
            expected = utc.tm_year + 1900;
        const auto year = banner_year_from(std::to_string(t).c_str());
        ASSERT_TRUE(year.ok()) << t;
        ASSERT_EQ(year.value(), expected) << t;
    }
    EXPECT_EQ(banner_year_from("67767976233532799").value(), std::optional<int>(2147483647));
}

}  // namespace
}  // namespace lvforge
