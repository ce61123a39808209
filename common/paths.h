// Path operations shared by pixmint and animpack: the last component of a
// path, and creation of the directories that lead to an output file. Both
// read '\\' as a separator as well as '/'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/output_failure.h"
#include "common/result.h"

namespace lvforge {

// The part of `path` after its last '\\' or '/' (the whole path when it has neither); none when
// that part is empty.
std::optional<std::string> last_path_component(std::string_view path);

// Creates every directory named by a prefix of `path` that ends just before a separator, from the
// outermost inwards; directories that exist already are fine, and a leading separator (an
// absolute path) names no directory to create. On failure returns a create_directory failure
// naming the directory that could not be made.
Result<void, OutputFailure> create_parent_directories(std::string_view path);

// The path under which a file named `path` is opened: backslashes read as directory separators.
std::string open_path_of(std::string_view path);

// True when writing the output `out_path` (opened as open_path_of says) would write over the
// file `input_path`: both name the same file (device and inode), through any spelling or link.
// An output that does not exist yet is no input.
bool is_same_file(const std::string& input_path, std::string_view out_path);

}  // namespace lvforge
