// The procedure both C-source generators share: make the directories, write
// the file safely through a TextSink, report failures in the tools' words.
#pragma once

#include <functional>

#include "text_sink.h"

namespace lvforge {

// Creates the directories of `out_path`, then writes the file with `body` into a temporary file
// that replaces `out_path` only when complete. Prints "ERR: create/open/write %s failed!" on
// standard output as fits; returns 0 when the file was written, 1 otherwise.
int write_generated_file(const char* out_path, const std::function<void(TextSink&)>& body);

// Appends the banner (printf format with one %d for the current UTC year), the lvgl.h include
// and the three attribute guard blocks, the last for `guard_prefix` + `attr_name`. Appends
// nothing at all when the current time can't be turned into a UTC date.
void put_c_head(TextSink& sink, const char* banner_fmt, const char* guard_prefix, const char* attr_name);

}  // namespace lvforge
