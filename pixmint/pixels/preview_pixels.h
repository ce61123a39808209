// The preview: a PNG of what the device will show for the chosen format and
// colour depth, so that banding and palette choices can be judged on a desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// Which alpha a true-colour format shows.
enum class TrueColorAlpha { none, own, chroma_key };

// A true-colour format at `depth` (8, 16 or 32): colours reduced as the section of that depth
// holds them (dithered when `dither`). Alpha as the format keeps it: `none` opaque, `own` the
// pixel's alpha, `chroma_key` transparent where the shown colour is pure green (LVGL's default
// LV_COLOR_TRANSP) and opaque elsewhere.
RgbaImage true_color_preview(const RgbaImage& img, TrueColorAlpha alpha, int depth, bool dither);

// An indexed image: each pixel its palette colour, reduced to `depth` the way LVGL reduces
// palette entries when it loads them.
RgbaImage indexed_preview(const IndexedImage& img, std::uint32_t width, std::uint32_t height, int depth);

// An alpha-only format: black (LVGL's default recolour) with the alpha the `bits`-bit value
// stands for.
RgbaImage alpha_preview(const RgbaImage& img, int bits);

// The image as PNG bytes; nullopt when it can't be encoded (an empty image, no memory).
std::optional<std::vector<std::uint8_t>> encode_png(const RgbaImage& img);

}  // namespace pixmint
