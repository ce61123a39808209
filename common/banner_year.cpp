#include "common/banner_year.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace lvforge {

namespace {

// The UTC year of `t`, or none when it does not fit an int, as gmtime() would refuse it. Counted
// here rather than asked of gmtime(), which loads the time zone database on its first call: that
// cost a small conversion more than its own work.
BannerYear utc_year_of(std::time_t t) {
    constexpr std::int64_t kSecondsPerDay = 86400;
    const std::int64_t seconds = t;
    const std::int64_t days = seconds / kSecondsPerDay - (seconds % kSecondsPerDay < 0 ? 1 : 0);
    // The proleptic Gregorian calendar in 400-year eras of 146097 days, counted from 0000-03-01
    // so that the leap day ends each year; January and February belong to the next year.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t day_of_era = z - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
    const std::int64_t year = year_of_era + era * 400 + (month_from_march >= 10 ? 1 : 0);
    // gmtime() keeps the year less 1900 in an int.
    if (year - 1900 > std::numeric_limits<int>::max() || year - 1900 < std::numeric_limits<int>::min())
        return std::nullopt;
    if (year > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(year);
}

// `text` as seconds when it is one or more decimal digits and nothing else (no sign, no blank),
// with a value that fits time_t.
std::optional<std::time_t> parse_seconds(const char* text) {
    if (*text == '\0') return std::nullopt;
    constexpr std::time_t kMax = std::numeric_limits<std::time_t>::max();
    std::time_t value = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return std::nullopt;
        const int digit = *p - '0';
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

Result<BannerYear, InvalidSourceDateEpoch> banner_year_from(const char* source_date_epoch) {
    if (source_date_epoch == nullptr) {
        const std::time_t now = std::time(nullptr);
        if (now == static_cast<std::time_t>(-1)) return BannerYear{};
        return utc_year_of(now);
    }
    const std::optional<std::time_t> seconds = parse_seconds(source_date_epoch);
    if (!seconds) return InvalidSourceDateEpoch{};
    return utc_year_of(*seconds);
}

Result<BannerYear, InvalidSourceDateEpoch> banner_year() {
    return banner_year_from(std::getenv("SOURCE_DATE_EPOCH"));
}

}  // namespace lvforge
