#include "common/output_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <deque>

#include "common/paths.h"

namespace lvforge {

namespace {

// How many symbolic links are followed before a path counts as a loop, as the kernel does.
constexpr int kMaxLinks = 40;

// The directory part of `path` with its trailing '/', or "" when it has none.
std::string dir_part(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// What the symbolic link `path`, of `size` bytes as lstat says, points at; "" when unreadable.
std::string link_text(const std::string& path, off_t size) {
    std::string target(static_cast<std::size_t>(size > 0 ? size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return {};
    target.resize(static_cast<std::size_t>(n));
    return target;
}

// The non-empty components of `path` between its '/'s.
std::deque<std::string> components(std::string_view path) {
    std::deque<std::string> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty()) parts.emplace_back(part);
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

// The working directory as the kernel sees it (links resolved); "" for the root, and for a
// working directory that can no longer be named, so that relative paths still compare alike.
std::string working_directory() {
    char* cwd = ::getcwd(nullptr, 0);
    if (cwd == nullptr) return {};
    std::string dir(cwd);
    std::free(cwd);
    return dir == "/" ? std::string() : dir;
}

}  // namespace

std::string dangling_link_target(std::string path) {
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        const std::string target = link_text(path, st.st_size);
        if (target.empty()) return path;
        path = (target.front() == '/') ? target : dir_part(path) + target;
    }
    return path;
}

std::string resolved_output_path(std::string_view path) {
    const std::string open_path = open_path_of(path);
    // `resolved` never ends in '/': "" stands for the root.
    std::string resolved = open_path.starts_with('/') ? std::string() : working_directory();
    std::deque<std::string> rest = components(open_path);
    int links = 0;
    while (!rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == ".") continue;
        if (part == "..") {
            resolved.resize(resolved.rfind('/') == std::string::npos ? 0 : resolved.rfind('/'));
            continue;
        }
        std::string next = resolved + "/" + part;
        struct stat st {};
        // A component that does not exist is kept as written: the directory made for it later is
        // no link. A link is replaced by what it points at, whether that exists or not.
        if (::lstat(next.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && links < kMaxLinks) {
            ++links;
            const std::string target = link_text(next, st.st_size);
            if (!target.empty()) {
                if (target.front() == '/') resolved.clear();
                const std::deque<std::string> parts = components(target);
                rest.insert(rest.begin(), parts.begin(), parts.end());
                continue;
            }
        }
        resolved = std::move(next);
    }
    return resolved.empty() ? "/" : resolved;
}

bool same_output_file(std::string_view a, std::string_view b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(open_path_of(a).c_str(), &sa) == 0 && ::stat(open_path_of(b).c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return resolved_output_path(a) == resolved_output_path(b);
}

}  // namespace lvforge
