// The raster guard's walk of each format (raster_guard.h states what they
// hold the decoder to). Each reads nothing outside the file it is given.
#pragma once

#include <cstdint>
#include <span>

#include "pixmint/acquire/raster_guard.h"

namespace pixmint {

// A BMP: its pixel rows within the file, its palette indices within its palette.
RasterVerdict check_bmp(std::span<const std::uint8_t> file);

// A GIF: its first frame terminated within the file, every pixel of it coded, each colour in
// its table, and the background colour the rest of the screen takes in the global table.
RasterVerdict check_gif(std::span<const std::uint8_t> file);

// How far a PNG walk goes.
enum class PngReach {
    chunks,  // the chunks within the file
    data,    // besides, the compressed image data ending within them, the palette indices within the palette
};

// A PNG: its chunks within the file, and with `reach` data its compressed image data ending within
// them and its palette indices within its palette.
RasterVerdict check_png(std::span<const std::uint8_t> file, PngReach reach);

// How far a JPEG walk goes.
enum class JpegReach {
    frame_header,  // up to the frame header, as far as the decoder's header query reads
    whole_image,   // every scan, up to the end-of-image marker
};

// A JPEG: no Huffman table of more than 256 codes where the decoder reaches one, and, with
// `reach` whole_image, every scan's blocks coded before the scan ends.
RasterVerdict check_jpeg(std::span<const std::uint8_t> file, JpegReach reach);

}  // namespace pixmint
