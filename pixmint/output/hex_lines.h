// Bytes as the text lines of a map array: each line a blank, then
// " 0x%02x," per byte, then " \n". The true-colour sections hold one pixel
// row a line, the one-block formats one packed row (a raw file 16 bytes).
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/text_sink.h"

namespace pixmint {

// Characters of one line of `n` bytes.
constexpr std::size_t hex_line_size(std::size_t n) {
    return n * 6 + 3;
}

// Characters format_hex_lines() writes for `n` bytes in lines of `per_line` (the last may be
// shorter); 0 when `per_line` is 0.
std::size_t hex_lines_size(std::size_t n, std::size_t per_line);

// Writes `n` bytes as lines of `per_line` at `out` (exactly hex_lines_size() characters); returns the
// end of the text.
char* format_hex_lines(const std::uint8_t* bytes, std::size_t n, std::size_t per_line, char* out);

// Writes `rows` rows of `row_bytes` bytes each, one line a row (a row of no bytes is a line of two
// blanks), at `out` (exactly rows x hex_line_size(row_bytes) characters); returns the end of the text.
char* format_hex_rows(const std::uint8_t* bytes, std::size_t row_bytes, std::size_t rows, char* out);

// Appends `n` bytes as lines of `per_line` (the last may be shorter) to `out`, as format_hex_lines
// writes them.
void append_hex_lines(lvforge::TextSink& out, const std::uint8_t* bytes, std::size_t n, std::size_t per_line);

}  // namespace pixmint
