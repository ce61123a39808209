// Bytes of a one-block map array as text lines, in the units the sections use.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/text_sink.h"

namespace pixmint {

// Writes `n` bytes as lines of `per_line` (the last may be shorter): each line is a blank, then
// " 0x%02x," per byte, then " \n", the same row text as the true-colour sections.
void append_hex_lines(lvforge::TextSink& out, const std::uint8_t* bytes, std::size_t n, std::size_t per_line);

}  // namespace pixmint
