// Image acquisition: settle the final size from the source's declared size,
// then decode or render the input and resample it when asked. A plain PNG
// that needs no resampling is not decoded here at all: it comes back as a
// stream of rows, decoded as the outputs take them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/options.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

// An input file's bytes, read once.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;

    std::span<const std::uint8_t> span() const { return {data.get(), size}; }
};

// What acquisition produced: the image to write.
struct Acquired {
    FileBytes file;                   // a raw format's data: the input's bytes (a stream may read them)
    std::unique_ptr<RowSource> rows;  // the image, at its final size
    std::optional<IndexedImage> own_palette;  // --keep-palette: the file's own palette and indices
    // The resampler ran out of memory: `rows` has the final size but no pixels. Its message comes
    // first; the outputs are still written (without pixels), and the run then ends with status 1.
    bool resampling_failed = false;
};

// Reads the declared size of options.image_path (an SVG's intrinsic size, a raster file's
// header), plans the final size (size_plan.h), and only then decodes or renders it and
// resamples it when -w, -h or -v ask for it. With --keep-palette the file must be a palette PNG:
// its own palette and indices are read (png_palette.h) instead, and the image is their colours.
// The raw formats keep the file's bytes. A failure returned ends the run with nothing written.
lvforge::Result<Acquired, Failure> acquire_image(const Options& options);

}  // namespace pixmint
