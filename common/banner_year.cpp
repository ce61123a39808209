#include "common/banner_year.h"

#include <cstdlib>
#include <ctime>
#include <limits>

namespace lvforge {

namespace {

// The UTC year of `t`, or none when gmtime can't represent it.
BannerYear utc_year_of(std::time_t t) {
    std::tm utc{};
    if (::gmtime_r(&t, &utc) == nullptr) return std::nullopt;
    return utc.tm_year + 1900;
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
