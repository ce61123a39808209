// Small raster files in the layouts PNG, BMP, GIF and JPEG allow, written in
// memory, with the pixels a decoder must give back for each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pixmint::test {

using Bytes = std::vector<std::uint8_t>;

// A written file and what decoding it must give: width x height pixels of `channels` bytes
// (stb_image's channel count for the file), rows top first. No pixels for lossy JPEG.
struct RasterFile {
    Bytes bytes;
    int width = 0, height = 0, channels = 0;
    Bytes pixels;
};

// BMP: header size 12 (OS/2), 40, 56, 108 (V4) or 124 (V5); 1, 4, 8, 16, 24 or 32 bits per pixel;
// rows top first or bottom first; bit fields (565 at 16 bits, alpha in the top byte at 32 with the
// V4/V5 headers). Palette images use `entries` colours.
struct BmpLayout {
    int header = 40;
    int bpp = 24;
    bool top_down = false;
    bool bit_fields = false;
    int entries = 0;  // 0: 1 << bpp
};
RasterFile bmp(const BmpLayout& layout, int width, int height);

// GIF: one frame of w x h at (x, y) on a screen of width x height, with a global or a local table
// of 1 << table_bits colours, indices coded with `code_size` bits per index (0: table_bits, at
// least 2), optionally interlaced, with a transparent index and a background index.
struct GifLayout {
    int table_bits = 2;
    int code_size = 0;
    bool local_table = false;
    bool interlaced = false;
    int transparent = -1;
    int background = 0;
    int x = 0, y = 0, w = 0, h = 0;  // the frame; w 0: the whole screen
    int index_limit = 0;             // indices used: 0 for every colour of the table
    int pixels_coded = -1;           // the codes end after this many pixels (-1: all of them)
};
RasterFile gif(const GifLayout& layout, int width, int height);

// PNG through libpng: colour type 0, 2, 3, 4 or 6 at a bit depth it allows, optionally
// interlaced (Adam7); palette images optionally with a tRNS chunk.
struct PngLayout {
    int color_type = 6;
    int bit_depth = 8;
    bool interlaced = false;
    bool transparency = false;
};
RasterFile png(const PngLayout& layout, int width, int height);

// JPEG through libjpeg: 1 or 3 components, chroma sampled 2x2 or not, baseline or progressive,
// with a restart marker every `restart` MCUs (0: none).
struct JpegLayout {
    int components = 3;
    bool subsampled = true;
    bool progressive = false;
    int restart = 0;
};
RasterFile jpeg(const JpegLayout& layout, int width, int height);

// A file of another format the decoder reads (PNM, TGA, PSD, HDR, PIC), whole or cut short.
struct ForeignFile {
    std::string what;
    Bytes bytes;
    bool crashes_decoder = false;  // the decoder dereferences a null pointer on it
};
std::vector<ForeignFile> foreign_files();

// Offsets of each JPEG scan: where its SOS marker starts and where its coded data ends (the
// next marker that is not a restart marker).
struct JpegScan {
    std::size_t start = 0, data_end = 0;
};
std::vector<JpegScan> jpeg_scans(const Bytes& file);

}  // namespace pixmint::test
