// Derivation of the generated file's path and C names from the command line,
// the same for pixmint and animpack.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lvforge {

// The three names every generated C file is built around.
struct OutputNames {
    std::string out_path;   // path of the generated file: stem + ".c"
    std::string var_name;   // C identifier written into the file
    std::string attr_name;  // var_name upper-cased, for the LV_ATTRIBUTE_ guards
};

// Names have no length limit of their own: a name or path is as long as it is given, and one
// the system can't take fails where the file is created.

// Stem of an input path: the base name (after the last '\\' if any, else after the last '/')
// up to its last '.'. A base name without a dot is taken whole.
std::string stem_from_input(std::string_view path);

// `name` made a C identifier: every byte outside [A-Za-z0-9_] becomes '_', and a '_' goes in
// front of a leading digit. An empty name becomes "_", so that the generated file still compiles.
std::string c_identifier(std::string_view name);

// The names for a stem (out_path = stem + ".c", the stem kept as given) and a variable name
// (var_name = c_identifier of it, attr_name = var_name upper-cased).
OutputNames finish_names(std::string_view stem, std::string_view var_name);

// The names the command line asks for: from `name_option` (the -n argument, whose last component
// must be non-empty) when given, the stem being the whole argument and the variable its last
// component; otherwise from the stem of `input_path`, which is then both.
OutputNames derive_names(std::string_view input_path, std::optional<std::string_view> name_option);

}  // namespace lvforge
