// The fixed template both headers follow: literal lines (the include guard,
// the includes, the opening and closing lines of conditional blocks) between
// which ranges of entries are rendered.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/memory_reserve.h"
#include "common/result.h"
#include "setwright/configuration.h"
#include "setwright/entries.h"

namespace setwright {

// One template row: entries first..last (inclusive) rendered, then `literal` appended.
struct TemplateRow {
    int first;
    int last;
    std::string_view literal;
};

// Number of template rows after the opening piece.
inline constexpr std::size_t kTemplateRowCount = 63;

// The template after its opening piece, in output order.
extern const std::array<TemplateRow, kTemplateRowCount> kTemplateRows;

// The opening piece of the header of `mode`: the guard and the includes.
std::string_view header_opening(Mode mode);

// The whole text of the header of `mode` rendered from `config`, or OutOfMemory (the header has a
// message of its own for that).
lvforge::Result<std::string, lvforge::OutOfMemory> render_header(const Configuration& config, Mode mode);

}  // namespace setwright
