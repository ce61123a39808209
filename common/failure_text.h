// The text of the failures every tool shares, in the tools' exact words. The
// tools print these; nothing in common/ prints.
#pragma once

#include <string>
#include <string_view>

#include "common/banner_year.h"
#include "common/input_file.h"
#include "common/output_failure.h"

namespace lvforge {

// "ERR: create|open|write <path> failed!\n".
std::string output_failure_message(const OutputFailure& failure);

// The message for an input `path` that could not be read (InputFile, read_whole_file()), the
// buffer called `buffer_name` in the allocation message (each tool has its own).
std::string read_failure_message(ReadStatus status, std::string_view path, std::string_view buffer_name);

// "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n".
std::string source_date_failure_message(InvalidSourceDateEpoch);

// "Error: not enough memory.\n": an allocation failed where no step has a message of its own.
// A literal, so that printing it allocates nothing.
std::string_view out_of_memory_message();

}  // namespace lvforge
