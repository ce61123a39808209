// Checks a raster file's bytes before stb_image sees them. The decoder is a
// system library we can't patch: some crafted files make it write past its
// own tables, some truncated files decode "successfully" with the missing
// pixels filled in, and a tiny file can make it reserve gigabytes for data
// that isn't there. Such files are refused here instead.
#pragma once

#include <cstdint>
#include <span>

namespace pixmint {

// Whether the decoder may see a file, and if not, why.
enum class RasterVerdict {
    decodable,               // nothing known to go wrong; the decoder decides the rest
    jpeg_huffman_overflow,   // a JPEG Huffman table declares more than 256 codes
    bmp_pixels_missing,      // a BMP ends before the pixel rows its header declares
    gif_frame_unterminated,  // a GIF ends before its first frame's data is terminated
    png_chunk_overrun,       // a PNG chunk declares more data than the file holds
};

// Walks `file` the way the decoder will (format recognised from the content, as the decoder
// does) and returns the first reason to keep it away. Reads nothing outside `file`.
RasterVerdict check_raster(std::span<const std::uint8_t> file);

}  // namespace pixmint
