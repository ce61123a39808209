// What one pixmint run is asked to do, settled from the command line before any image is read.
#pragma once

#include <optional>
#include <string>

#include "common/names.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

// What the command line asks for, settled before any image is read.
struct Options {
    std::string image_path;           // the last -p
    ImageKind kind = ImageKind::png;  // from the image path; svg takes the SVG route
    ColorFormat format = ColorFormat::true_color;
    Depth depth = Depth::all;
    std::optional<int> width;                 // -w as atoi reads it
    std::optional<int> height;                // -h as atoi reads it
    bool zintra = false;                      // -v: the target renders with the zintra GPU
    lvforge::OutputNames names;               // output path and C names, from -n or the image path
    bool binary = false;                      // --bin: <name>.bin instead of <name>.c
    bool swap = false;                        // --swap: LV_COLOR_16_SWAP byte order (16-bit .bin, rgb565a8)
    bool dither = false;                      // --dither: error diffusion wherever colours are reduced
    bool keep_palette = false;                // --keep-palette: a palette PNG's own palette and indices
    std::optional<std::string> preview_path;  // --preview: where to write the PNG of what the device shows
    LvglVersion lvgl = LvglVersion::v7;       // --lvgl: the LVGL release whose layout is written
    bool premultiply = false;                 // --premultiply (v9): colours scaled by their alpha
    unsigned align = 1;                       // --align (v9): each row's bytes rounded up to a multiple
    Compression compression = Compression::none;  // --compress (v9): how the data block is compressed
    bool help = false;                            // --help: print the help text and stop

    // The choices among these that shape the bytes written.
    Encoding encoding() const {
        return {format, depth, dither, zintra, swap, lvgl, premultiply, align, compression};
    }
};

}  // namespace pixmint
