// The calendar year the generated files' banners carry: the build's fixed
// date when SOURCE_DATE_EPOCH asks for reproducible output, else today's.
#pragma once

#include <optional>

#include "common/result.h"

namespace lvforge {

// The only way SOURCE_DATE_EPOCH can be wrong: it is not a non-negative decimal integer that
// fits the platform's time_t.
struct InvalidSourceDateEpoch {};

// A year to print, or none when the moment can't be turned into a UTC date (the banner is then
// left out, as the head of a generated file always was in that case).
using BannerYear = std::optional<int>;

// The UTC year of the moment `source_date_epoch` names (plain decimal digits, seconds since
// 1970), or of the current time when it is null (the variable is not set).
Result<BannerYear, InvalidSourceDateEpoch> banner_year_from(const char* source_date_epoch);

// banner_year_from() applied to the process's SOURCE_DATE_EPOCH.
Result<BannerYear, InvalidSourceDateEpoch> banner_year();

}  // namespace lvforge
