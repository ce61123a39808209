// setwright's messages: the one place where a failure becomes the text the
// user reads.
#pragma once

#include <string>

#include "entries.h"
#include "merge.h"

namespace setwright {

// The line (with its line feed) that reports `err`.
std::string merge_message(const MergeError& err);

// The line (with its line feed) that reports a header of `mode` whose text could not be held.
std::string render_message(Mode mode);

}  // namespace setwright
