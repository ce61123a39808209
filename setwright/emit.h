// The emitters: each entry becomes one line of C header text, by its kind
// and its value in the header being built.
#pragma once

#include <string>
#include <string_view>

#include "setwright/configuration.h"
#include "setwright/entries.h"

namespace setwright {

// Appends the line of an entry of `kind` called `name` whose value in this header is `value`.
void emit_line(Kind kind, std::string_view name, std::string_view value, std::string& out);

// Appends the lines of entries first..last (inclusive, in index order; indices of the table) that
// have a value in the header of `mode`; an entry left out of that header adds nothing, not even
// an empty line.
void emit_range(const Configuration& config, int first, int last, Mode mode, std::string& out);

}  // namespace setwright
