#include "pixmint/acquire/png_unfilter.h"

#include <cstdlib>
#include <cstring>

namespace pixmint {

namespace {

// The predictor of the fifth filter: whichever of left, above and upper left is nearest to
// left + above - upper left, ties going in that order.
inline std::uint8_t paeth(int left, int above, int upper_left) {
    const int p = left + above - upper_left;
    const int pa = std::abs(p - left), pb = std::abs(p - above), pc = std::abs(p - upper_left);
    if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(left);
    return static_cast<std::uint8_t>(pb <= pc ? above : upper_left);
}

}  // namespace

bool unfilter_scanline(const std::uint8_t* scanline, const std::uint8_t* prior, std::uint8_t* out,
                       std::size_t n, std::size_t bpp) {
    const std::uint8_t* x = scanline + 1;
    const std::size_t first = bpp < n ? bpp : n;  // the bytes of the first pixel, with nothing left of them
    switch (scanline[0]) {
        case 0:  // none
            std::memcpy(out, x, n);
            return true;
        case 1:  // sub
            std::memcpy(out, x, first);
            for (std::size_t i = bpp; i < n; ++i) out[i] = static_cast<std::uint8_t>(x[i] + out[i - bpp]);
            return true;
        case 2:  // up
            for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(x[i] + prior[i]);
            return true;
        case 3:  // average
            for (std::size_t i = 0; i < first; ++i)
                out[i] = static_cast<std::uint8_t>(x[i] + (prior[i] >> 1));
            for (std::size_t i = bpp; i < n; ++i)
                out[i] = static_cast<std::uint8_t>(x[i] + ((out[i - bpp] + prior[i]) >> 1));
            return true;
        case 4:  // paeth
            for (std::size_t i = 0; i < first; ++i) out[i] = static_cast<std::uint8_t>(x[i] + prior[i]);
            for (std::size_t i = bpp; i < n; ++i)
                out[i] = static_cast<std::uint8_t>(x[i] + paeth(out[i - bpp], prior[i], prior[i - bpp]));
            return true;
        default:
            return false;
    }
}

}  // namespace pixmint
