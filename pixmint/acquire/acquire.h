// Image acquisition: settle the final size from the source's declared size,
// then decode or render the input and resample it when asked.
#pragma once

#include <optional>

#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/options.h"
#include "pixmint/pixels/palette.h"

namespace pixmint {

// What acquisition produced.
struct Acquired {
    Image image;                              // the image to write; no pixels after a failed resize
    std::optional<Failure> failure;           // set when something went wrong; it says whether to write
    std::optional<IndexedImage> own_palette;  // --keep-palette: the file's own palette and indices
};

// Reads the declared size of options.image_path (an SVG's intrinsic size, a raster file's
// header), plans the final size (size_plan.h), and only then decodes or renders it and
// resamples it when -w, -h or -v ask for it. With --keep-palette the file must be a palette PNG:
// its own palette and indices are read (png_palette.h) instead, and the image is their colours.
Acquired acquire_image(const Options& options);

}  // namespace pixmint
