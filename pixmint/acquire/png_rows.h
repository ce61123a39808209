// One PNG row as the file stores it (samples big-endian, several to a byte
// below 8 bits) turned into the pixels the reference decoder returns for it:
// grey scaled to 8 bits, palette indices looked up, the transparent colour
// given alpha 0 and every other pixel alpha 255, 16-bit samples cut to their
// high byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pixmint/acquire/png_layout.h"

namespace pixmint {

class PngRowConverter {
   public:
    explicit PngRowConverter(const PngLayout& layout);

    // Bytes of one row as stored (without its filter byte).
    std::size_t stored_row_bytes() const { return stored_; }
    // Bytes a whole pixel takes as stored, at least 1: how far back a row's filters look.
    std::size_t stored_pixel_bytes() const;
    // True when a stored row is already the decoded row, so the decoder may write straight into it.
    bool identity() const { return identity_; }
    // Converts the stored row `in` into layout.channels bytes a pixel at `out`; false when a
    // palette index has no palette entry (the reference decoder would show whatever its memory
    // held there).
    bool convert(const std::uint8_t* in, std::uint8_t* out) const;

   private:
    const PngLayout& layout_;
    std::size_t stored_;
    bool identity_;
};

}  // namespace pixmint
