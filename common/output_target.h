// Where writing an output path ends up: through symbolic links (dangling ones
// too, whose target the output creates), `.` and `..`, and directories that
// do not exist yet. Two outputs of one run must not end up in the same file.
#pragma once

#include <string>
#include <string_view>

namespace lvforge {

// The end of the chain of symbolic links starting at `path` when it ends at nothing (the file
// an output then creates); `path` itself when it names no link, or a link to something.
std::string dangling_link_target(std::string path);

// The absolute path, free of links, `.` and `..`, of the file that writing `path` (backslashes
// read as separators) creates or replaces: links are followed wherever they exist, dangling ones
// included, and the components that do not exist yet are taken as written, as the directories
// made for them will be.
std::string resolved_output_path(std::string_view path);

// True when writing the outputs `a` and `b` would write the same file: the same device and inode
// when both exist, else the same resolved path.
bool same_output_file(std::string_view a, std::string_view b);

}  // namespace lvforge
