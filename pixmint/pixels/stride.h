// Row strides as LVGL v9's draw buffers compute them.
#pragma once

#include <cstdint>

namespace pixmint {

// Bytes a row of `width` pixels of `bits` bits takes when each row is rounded up to a multiple of
// `align` (a power of two): LV_DRAW_BUF_STRIDE's ((w * bpp + 7) / 8, rounded up to the alignment).
std::uint32_t v9_stride(std::uint32_t width, int bits, unsigned align);

}  // namespace pixmint
