#include "common/names.h"

#include "common/paths.h"

namespace lvforge {

std::string stem_from_input(std::string_view path) {
    std::size_t sep = path.rfind('\\');
    if (sep == std::string_view::npos) sep = path.rfind('/');
    const std::size_t base = (sep == std::string_view::npos) ? 0 : sep + 1;
    // The last dot of the whole path counts only when it lies in the base
    // name; a dot in a directory name leaves the base name whole.
    const std::size_t dot = path.rfind('.');
    const std::size_t end = (dot != std::string_view::npos && dot >= base) ? dot : path.size();
    return std::string(path.substr(base, end - base));
}

std::string c_identifier(std::string_view name) {
    std::string id;
    id.reserve(name.size() + 1);
    if (name.empty() || (name.front() >= '0' && name.front() <= '9')) id += '_';
    for (const char c : name) {
        const bool keep =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        id += keep ? c : '_';
    }
    return id;
}

OutputNames finish_names(std::string_view stem, std::string_view var_name) {
    OutputNames names;
    names.var_name = c_identifier(var_name);
    names.attr_name = names.var_name;
    for (char& c : names.attr_name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    names.out_path = std::string(stem) + ".c";
    return names;
}

OutputNames derive_names(std::string_view input_path, std::optional<std::string_view> name_option) {
    if (name_option) {
        return finish_names(*name_option, last_path_component(*name_option).value_or(std::string()));
    }
    const std::string stem = stem_from_input(input_path);
    return finish_names(stem, stem);
}

}  // namespace lvforge
