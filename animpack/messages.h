// Every text animpack prints, in its exact words.
#pragma once

#include <string>
#include <string_view>

#include "animpack/command_line.h"
#include "common/input_file.h"

namespace animpack {

// The usage text, ending in a line feed; printed for -h and for a refused command line.
std::string usage_text();

// The message for a refused command line.
std::string command_line_failure_message(CommandLineFailure failure);

// The refusal of an output `out_path` that is the input file itself.
std::string same_file_message(std::string_view out_path);

// The message for an input `path` that could not be read to its end.
std::string read_failure_message(lvforge::ReadStatus status, std::string_view path);

}  // namespace animpack
