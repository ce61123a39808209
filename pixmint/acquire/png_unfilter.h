// PNG scanline filters undone: each scanline is a filter byte and the
// filtered bytes, and its pixels come back from them and the row above.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pixmint {

// Undoes the filter of `scanline` (its filter byte, then `n` bytes) into `out` (`n` bytes), given
// the row above (`prior`, zeros for the first row) and the bytes a whole pixel takes (`bpp`, at
// least 1); false for a filter type the format does not define.
bool unfilter_scanline(const std::uint8_t* scanline, const std::uint8_t* prior, std::uint8_t* out,
                       std::size_t n, std::size_t bpp);

}  // namespace pixmint
