// What LVGL v9's software renderer draws of a v9 image's direct formats:
// their bytes read back the way the binary decoder and the blenders read
// them, as straight RGBA for the preview PNG. (Indexed and alpha-only
// images show their palette entries as stored and their alpha widened as
// the decoder widens it: the preview sink reads those from their indices.)
#pragma once

#include <cstdint>

#include "pixmint/pixels/formats.h"

namespace pixmint {

// The RGBA drawn for `count` pixels stored at `bytes` in the direct `format` (rgb565a8: its
// colours at `bytes`, its alpha bytes at `alpha`), written to `out`: RGB565 widened by the
// blenders' rounding multipliers (red and blue * 2106 >> 8, green * 1037 >> 8), luminance as
// grey; alpha as the opacity drawn (255 for the formats without one). Colours are taken as
// stored: the software renderer does not undo premultiplication.
void show_v9_pixels(ColorFormat format, const std::uint8_t* bytes, const std::uint8_t* alpha,
                    std::size_t count, std::uint8_t* out);

}  // namespace pixmint
