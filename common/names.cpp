#include "names.h"

#include <cstring>

namespace lvforge {

void copy_name(char dst[kNameBufSize], const char* src) {
    std::size_t n = std::strlen(src);
    if (n > kNameBufSize - 1) n = kNameBufSize - 1;
    std::memmove(dst, src, n);
    dst[n] = '\0';
}

void stem_from_input(const char* path, char stem[kNameBufSize]) {
    const char* base = std::strrchr(path, '\\');
    if (base == nullptr) base = std::strrchr(path, '/');
    base = (base == nullptr) ? path : base + 1;
    // The last dot of the whole path counts only when it lies in the base
    // name; a dot in a directory name leaves the base name whole.
    const char* dot = std::strrchr(path, '.');
    std::size_t n = (dot != nullptr && dot >= base) ? static_cast<std::size_t>(dot - base) : std::strlen(base);
    if (n > kNameBufSize - 1) n = kNameBufSize - 1;
    std::memcpy(stem, base, n);
    stem[n] = '\0';
}

void finish_names(OutputNames& names, const char* stem, const char* var_name) {
    char stem_copy[kNameBufSize];
    copy_name(stem_copy, stem);
    copy_name(names.var_name, var_name);
    for (std::size_t i = 0;; ++i) {
        const char c = names.var_name[i];
        names.attr_name[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (c == '\0') break;
    }
    std::size_t n = std::strlen(stem_copy);
    std::memcpy(names.out_path, stem_copy, n);
    for (const char* s = ".c"; *s != '\0' && n < kNameBufSize - 1; ++s) names.out_path[n++] = *s;
    names.out_path[n] = '\0';
}

void derive_names(OutputNames& names, const char* input_path, const char* name_option) {
    char stem[kNameBufSize];
    char var_name[kNameBufSize] = {};
    if (name_option != nullptr) {
        copy_name(stem, name_option);
        remove_dir(name_option, var_name);
    } else {
        stem_from_input(input_path, stem);
        copy_name(var_name, stem);
    }
    finish_names(names, stem, var_name);
}

void to_open_path(const char* out_path, char dst[kNameBufSize]) {
    copy_name(dst, out_path);
    for (char* p = dst; *p != '\0'; ++p) {
        if (*p == '\\') *p = '/';
    }
}

}  // namespace lvforge
