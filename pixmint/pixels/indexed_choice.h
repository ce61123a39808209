// The palette and indices an indexed format is written with, and the format itself: the file's
// own palette (--keep-palette), the smallest exact format (indexed-auto), or build_palette's.
#pragma once

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/rgba_rows.h"

namespace pixmint {

// An indexed image and the indexed format (1, 2, 4 or 8 bits) that holds it.
struct ChosenIndexed {
    ColorFormat format;
    IndexedImage indexed;
};

// Keeps `own` (a palette PNG's palette and indices) whole in `format`, or for indexed-auto in
// the fewest bits that hold all of its entries. Fails with palette_too_large when `format` holds
// fewer entries than the palette has.
lvforge::Result<ChosenIndexed, Failure> keep_own_palette(ColorFormat format, IndexedImage own);

// The palette and indices of the image `rows` in `format`: build_palette at its bits, or for
// indexed-auto the image's exact colours in the fewest bits that hold them all. Fails with
// too_many_colors (counting every distinct colour) when indexed-auto finds more than 256, and with
// palette_failed when the quantizer does.
lvforge::Result<ChosenIndexed, Failure> index_colors(ColorFormat format, RgbaRows& rows, bool dither);

// The fewest bits of an indexed format (1, 2, 4 or 8) whose palette holds `colors` entries;
// 0 when none does.
int bits_holding(std::size_t colors);

}  // namespace pixmint
