#include "pixmint/output/hex_lines.h"

#include <algorithm>

#include "common/hex_tables.h"

namespace pixmint {

std::size_t hex_lines_size(std::size_t n, std::size_t per_line) {
    if (per_line == 0) return 0;
    const std::size_t rest = n % per_line;
    return n / per_line * hex_line_size(per_line) + (rest == 0 ? 0 : hex_line_size(rest));
}

char* format_hex_rows(const std::uint8_t* bytes, std::size_t row_bytes, std::size_t rows, char* out) {
    for (std::size_t y = 0; y < rows; ++y) {
        *out++ = ' ';
        out = lvforge::copy_hex_units(out, lvforge::kPixelHex, bytes, row_bytes);
        bytes += row_bytes;
        *out++ = ' ';
        *out++ = '\n';
    }
    return out;
}

char* format_hex_lines(const std::uint8_t* bytes, std::size_t n, std::size_t per_line, char* out) {
    if (per_line == 0) return out;
    out = format_hex_rows(bytes, per_line, n / per_line, out);
    const std::size_t rest = n % per_line;
    return rest == 0 ? out : format_hex_rows(bytes + (n - rest), rest, 1, out);
}

void append_hex_lines(lvforge::TextSink& out, const std::uint8_t* bytes, std::size_t n,
                      std::size_t per_line) {
    if (per_line == 0) return;
    // A few lines a reservation, or a piece of one long line: each well inside TextSink::kMaxReserve.
    constexpr std::size_t kPieceBytes = 8192;
    for (std::size_t start = 0; start < n; start += per_line) {
        const std::size_t line_end = std::min(n, start + per_line);
        out.append(" ");
        for (std::size_t i = start; i < line_end;) {
            const std::size_t m = std::min(line_end - i, kPieceBytes);
            out.advance(lvforge::copy_hex_units(out.reserve(m * 6 + 8), lvforge::kPixelHex, bytes + i, m));
            i += m;
        }
        out.append(" \n");
    }
}

}  // namespace pixmint
