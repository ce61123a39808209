// A palette PNG's own palette and pixel indices, as the artist stored them. libspng, loaded at
// run time, reads them here, and only here: the image decoder hands out colours, never the
// palette or the indices.
#pragma once

#include <cstdint>
#include <span>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/palette.h"

namespace pixmint {

// A palette PNG's size, palette and indices.
struct PalettePng {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // Every PLTE entry in its own order, used or not, alpha from tRNS (255 past its end); one
    // index per pixel in raster order, deinterlaced.
    IndexedImage indexed;
};

// Reads the whole PNG file `file`. Fails with not_palette_png when it is not a PNG or not of
// colour type 3, image_load when it is malformed or libspng can't be loaded, and index_past_palette (naming
// the first such index and the palette's size) when a pixel's index is past the end of PLTE.
lvforge::Result<PalettePng, Failure> read_palette_png(std::span<const std::uint8_t> file);

}  // namespace pixmint
