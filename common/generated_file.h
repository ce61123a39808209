// The procedure every generator shares: make the directories, write the file
// safely through a TextSink, and say what went wrong as a value.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/banner_year.h"
#include "common/output_failure.h"
#include "common/result.h"
#include "common/text_sink.h"

namespace lvforge {

// Creates the directories of `out_path`, then writes the file with `body` into a temporary file
// that replaces `out_path` only when complete. Succeeds when the file is in place, else says why
// not (nothing is printed); a body that fails the sink (TextSink::fail()) gets a write failure,
// its file discarded.
Result<void, OutputFailure> write_generated_file(std::string_view out_path,
                                                 const std::function<void(TextSink&)>& body);

// Appends the banner (printf format with one %d for `year`), the lvgl.h include and the three
// attribute guard blocks, the last for `guard_prefix` + `attr_name`. Appends nothing at all when
// there is no year (the time could not be turned into a UTC date).
void append_c_head(TextSink& sink, const char* banner_fmt, const char* guard_prefix,
                   std::string_view attr_name, BannerYear year);
// The text append_c_head() appends, for writers that lay their file out before writing it.
std::string c_head_text(const char* banner_fmt, const char* guard_prefix, std::string_view attr_name,
                        BannerYear year);

}  // namespace lvforge
