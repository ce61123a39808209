#include "common/paths.h"

#include <sys/stat.h>

#include <cerrno>

namespace lvforge {

namespace {
bool is_separator(char c) {
    return c == '\\' || c == '/';
}
}  // namespace

std::optional<std::string> last_path_component(std::string_view path) {
    const std::size_t sep = path.find_last_of("\\/");
    const std::string_view last = (sep == std::string_view::npos) ? path : path.substr(sep + 1);
    if (last.empty()) return std::nullopt;
    return std::string(last);
}

Result<void, OutputFailure> create_parent_directories(std::string_view path) {
    std::string dir = open_path_of(path);
    for (std::size_t i = 1; i < dir.size(); ++i) {
        if (dir[i] != '/') continue;
        dir[i] = '\0';
        const bool made = ::mkdir(dir.c_str(), 0777) == 0 || errno == EEXIST;
        dir[i] = '/';
        if (!made) return OutputFailure{OutputFailure::Kind::create_directory, dir.substr(0, i)};
    }
    return {};
}

std::string open_path_of(std::string_view path) {
    std::string open_path(path);
    for (char& c : open_path) {
        if (is_separator(c)) c = '/';
    }
    return open_path;
}

bool is_same_file(const std::string& input_path, std::string_view out_path) {
    struct stat in {};
    struct stat out {};
    if (::stat(input_path.c_str(), &in) != 0 || ::stat(open_path_of(out_path).c_str(), &out) != 0)
        return false;
    return in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

}  // namespace lvforge
