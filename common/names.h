// Derivation of the generated file's path and C names from the command line,
// the same for pixmint and animpack.
#pragma once

#include "path_ops.h"

namespace lvforge {

// The three names every generated C file is built around.
struct OutputNames {
    char out_path[kNameBufSize] = {};   // path of the generated file: stem + ".c", cut to 99 chars
    char var_name[kNameBufSize] = {};   // C identifier written into the file
    char attr_name[kNameBufSize] = {};  // var_name with a-z upper-cased, for the LV_ATTRIBUTE_ guards
};

// Copies `src` into a name buffer, keeping at most 99 characters.
void copy_name(char dst[kNameBufSize], const char* src);

// Stem of an input path: the base name (after the last '\\' if any, else after the last '/')
// up to its last '.', cut to 99 chars. A base name without a dot is taken whole.
void stem_from_input(const char* path, char stem[kNameBufSize]);

// Fills `names` from a stem (for out_path) and a variable name: out_path = stem + ".c" cut to
// 99 chars, attr_name = var_name upper-cased (a-z only).
void finish_names(OutputNames& names, const char* stem, const char* var_name);

// Fills `names` from the command line: from `name_option` (the -n argument, whose last component
// must be non-empty) when given, the stem being the whole argument and the variable its last
// component; otherwise from the stem of `input_path`, which is then both.
void derive_names(OutputNames& names, const char* input_path, const char* name_option);

// The path under which out_path is opened: backslashes read as directory separators.
void to_open_path(const char* out_path, char dst[kNameBufSize]);

}  // namespace lvforge
