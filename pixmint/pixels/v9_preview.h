// What LVGL v9's software renderer draws for a v9 image: its data block read back the way the
// binary decoder and the blenders read it, as straight RGBA for the preview PNG.
#pragma once

#include <cstdint>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/rgba_image.h"
#include "pixmint/pixels/v9_formats.h"

namespace pixmint {

// The `width` x `height` pixels of `block` in `format` (a direct, indexed or alpha-only format) as
// drawn onto an ARGB8888 layer: RGB565 widened by the blenders' rounding multipliers (red and blue
// * 2106 >> 8, green * 1037 >> 8), luminance as grey, palette entries as stored, alpha-only
// values widened as the decoder does and recoloured black; alpha as the opacity drawn (255 for the
// formats without one). Colours are taken as stored: the software renderer does not undo
// premultiplication.
RgbaImage v9_shown_image(const V9Block& block, ColorFormat format, std::uint32_t width, std::uint32_t height);

}  // namespace pixmint
