// Path operations shared by pixmint and animpack: the last component of a
// path, and creation of the directories that lead to an output file.
#pragma once

#include <cstddef>

namespace lvforge {

// Size of every name buffer (out_path, var_name, attr_name): 99 characters and a terminator.
inline constexpr std::size_t kNameBufSize = 100;

// Copies the part of `path` after its last '\\' or '/' into `out` (at most 99 chars, always
// terminated); returns 0, or -1 leaving `out` untouched when that part is empty.
int remove_dir(const char* path, char out[kNameBufSize]);

// Creates every directory named by a prefix of `path` that ends just before a separator, from
// the outermost inwards. Works in place: backslashes become slashes; on failure the string is
// cut at the separator whose directory could not be made. Returns 0, or -1 on failure; a null
// path yields 0. A leading separator (absolute path) is not an empty directory name to create.
int CreatDir(char* path);

}  // namespace lvforge
