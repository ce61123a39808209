// The preview: a PNG of what the device will show for the chosen format and
// colour depth, so that banding and palette choices can be judged on a desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/formats.h"
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
// palette entries when it loads them, with the entry's alpha. LVGL v7 chroma keys indexed images
// as well: there a colour shown as pure green is transparent; v8 draws it.
RgbaImage indexed_preview(const IndexedImage& img, std::uint32_t width, std::uint32_t height, int depth,
                          LvglVersion lvgl);

// The opacity `lvgl`'s software blender draws each pixel with at `depth`, as the PNG's alpha;
// colours untouched. v7 blends with the full 8-bit alpha. v8 mixes 16-bit colours in 32 steps
// ((alpha + 4) >> 3, shown as the nearest 8-bit alpha), and at depth 8, where it turns
// anti-aliasing off by default, draws a pixel whole when its alpha is above 128 and not at all
// otherwise; at depth 32 alpha is kept.
RgbaImage drawn_opacity(RgbaImage img, int depth, LvglVersion lvgl);

// An alpha-only format: black (LVGL's default recolour) with the alpha the `bits`-bit value
// stands for.
RgbaImage alpha_preview(const RgbaImage& img, int bits);

// The image as PNG bytes; nullopt when it can't be encoded (an empty image, no memory).
std::optional<std::vector<std::uint8_t>> encode_png(const RgbaImage& img);

}  // namespace pixmint
