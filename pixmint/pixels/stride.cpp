#include "pixmint/pixels/stride.h"

namespace pixmint {

std::uint32_t v9_stride(std::uint32_t width, int bits, unsigned align) {
    const std::uint64_t row = (std::uint64_t{width} * static_cast<unsigned>(bits) + 7) / 8;
    return static_cast<std::uint32_t>((row + align - 1) / align * align);
}

}  // namespace pixmint
