#include "pixmint/output/hex_lines.h"

#include <algorithm>

#include "common/hex_tables.h"

namespace pixmint {

namespace {
// Bytes formatted per reservation: 6 characters each keeps a block well inside kMaxReserve.
constexpr std::size_t kBlockBytes = 8192;
}  // namespace

void append_hex_lines(lvforge::TextSink& out, const std::uint8_t* bytes, std::size_t n,
                      std::size_t per_line) {
    if (per_line == 0) return;
    for (std::size_t start = 0; start < n; start += per_line) {
        const std::size_t line_end = std::min(n, start + per_line);
        out.append(" ");
        for (std::size_t i = start; i < line_end;) {
            const std::size_t m = std::min(line_end - i, kBlockBytes);
            char* o = out.reserve(m * 6 + 8);
            for (std::size_t k = 0; k < m; ++k)
                o = lvforge::copy_hex_unit(o, lvforge::kPixelHex, bytes[i + k]);
            out.advance(o);
            i += m;
        }
        out.append(" \n");
    }
}

}  // namespace pixmint
