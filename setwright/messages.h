// setwright's messages: the one place where a failure becomes the text the
// user reads.
#pragma once

#include <string>

#include "setwright/header_file.h"
#include "setwright/merge.h"

namespace setwright {

// The line (with its line feed) that reports `err`.
std::string merge_message(const MergeError& err);

// The line (with its line feed) that reports a header that was not written.
std::string header_message(const HeaderFailure& failure);

}  // namespace setwright
