#include "path_ops.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace lvforge {

int remove_dir(const char* path, char out[kNameBufSize]) {
    const char* last = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/') last = p + 1;
    }
    if (*last == '\0') return -1;
    std::size_t n = std::strlen(last);
    if (n > kNameBufSize - 1) n = kNameBufSize - 1;
    std::memcpy(out, last, n);
    out[n] = '\0';
    return 0;
}

int CreatDir(char* path) {
    if (path == nullptr) return 0;
    const std::size_t n = std::strlen(path);
    for (std::size_t i = 0; i < n; ++i) {
        if (path[i] != '\\' && path[i] != '/') continue;
        // The empty prefix before a leading separator is the root of an
        // absolute path, which always exists.
        if (i == 0) {
            path[0] = '/';
            continue;
        }
        path[i] = '\0';
        if (::mkdir(path, 0777) != 0 && errno != EEXIST) return -1;
        path[i] = '/';
    }
    return 0;
}

}  // namespace lvforge
