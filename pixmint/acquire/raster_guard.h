// Checks a raster file's bytes before stb_image sees them. The decoder is a
// system library we can't patch, and it is generous: it recognises formats
// pixmint does not read, fills in what a short file lacks (with zeros, or with
// whatever its memory held), and some crafted files make it write past its own
// tables or reserve gigabytes for data that isn't there.
//
// The guard's rule: no file it accepts yields a pixel that its data does not
// define. It holds the rule like this:
//
// - Only PNG, BMP, GIF and JPEG are accepted, told apart by their signatures
//   exactly as the decoder tells them apart, so that it decodes a file as the
//   format it was accepted as. Every other content is refused, whatever the
//   file's name says.
// - BMP: every pixel row the header declares lies within the file, and every
//   palette index a pixel uses names an entry of the file's palette (the
//   decoder would read the others from memory nothing set).
// - GIF: the first frame's data is terminated within the file, its codes give
//   every pixel of the frame, and each pixel's index names a colour of the
//   frame's table. Pixels outside the frame show the background: transparent,
//   or the colour the header names, which must then be in the global table.
// - PNG: every chunk up to the image end lies within the file, the
//   compressed image data ends within its chunks (the decoder refuses data
//   that yields too few bytes, but would decode a stream cut a byte or two
//   short from zero bits), and every palette index a pixel uses names an
//   entry of the PLTE chunk (the decoder would read the others from memory
//   nothing set). Where zlib refuses compressed data that the decoder's own
//   inflater takes, that inflater is asked instead.
// - JPEG: every scan's coded data gives each of its blocks before the scan's
//   end (the decoder would go on with zero bits after a marker met too early),
//   every restart marker is where the scan expects it, every component is
//   coded by a scan, and every Huffman and quantization table a scan uses is
//   defined (the decoder would use memory nothing set). What the decoder
//   would refuse (a file that ends before its end-of-image marker, say) is
//   refused here, without decoding it first.
//
// Besides, it refuses what would crash the decoder (a JPEG Huffman table of
// more than 256 codes) or make it reserve memory for data that is not there
// (a PNG chunk longer than the file). Everything well formed passes; the
// decoder decides what the guard does not.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pixmint {

// The raster formats pixmint reads.
enum class RasterFormat { png, bmp, gif, jpeg };

// Whether the decoder may see a file, and if not, why.
enum class RasterVerdict {
    decodable,                     // its data defines every pixel; the decoder decides the rest
    unknown_format,                // no PNG, BMP, GIF or JPEG signature
    jpeg_huffman_overflow,         // a JPEG Huffman table declares more than 256 codes
    jpeg_blocks_missing,           // a JPEG block no scan codes (its data cut short, say)
    jpeg_table_missing,            // a JPEG scan uses a table the file never defines
    jpeg_malformed,                // a JPEG the decoder would refuse (cut short, say)
    bmp_pixels_missing,            // a BMP ends before the pixel rows its header declares
    bmp_index_outside_palette,     // a BMP pixel names an entry its palette does not have
    gif_frame_unterminated,        // a GIF ends before its first frame's data is terminated
    gif_frame_short,               // the first frame's codes end before its last pixel
    gif_index_outside_table,       // a pixel of the first frame names a colour its table lacks
    gif_background_outside_table,  // pixels left to a background colour the header lacks
    png_chunk_overrun,             // a PNG chunk declares more data than the file holds
    png_data_short,                // the compressed image data does not end within its chunks
    png_index_outside_palette,     // a PNG pixel names an entry its palette does not have
};

// The format the decoder will take `file` for, told by its first bytes; none when it is not one
// of pixmint's formats.
std::optional<RasterFormat> raster_format(std::span<const std::uint8_t> file);

// What the decoder's header query may read of `head`, a file's first bytes: unknown_format;
// for a JPEG, jpeg_huffman_overflow for a table ahead of the frame header (the query builds those
// tables) or jpeg_malformed where the query would fail; else decodable. Reads nothing outside
// `head`.
RasterVerdict check_raster_header(std::span<const std::uint8_t> head);

// The whole file walked the way the decoder will walk it, and the first reason to keep it away.
// Reads nothing outside `file`.
RasterVerdict check_raster(std::span<const std::uint8_t> file);

// check_raster without what a PNG's compressed data holds (where it ends, which palette entries
// its pixels name): for a PNG decoded as it is streamed, whose decoding checks both as it goes and
// leaves the file to check_raster and the decoder should either fail.
RasterVerdict check_raster_chunks(std::span<const std::uint8_t> file);

}  // namespace pixmint
