// How a run stores its pixels, as the command line settles it: what the
// writers and the block packing read of the options.
#pragma once

#include "pixmint/pixels/formats.h"

namespace pixmint {

// The choices that shape the bytes written for an image.
struct Encoding {
    ColorFormat format = ColorFormat::true_color;  // -f
    Depth depth = Depth::all;                      // -d: the sections of a C file, the layout of a .bin
    bool dither = false;                           // --dither: error diffusion wherever colours are reduced
    bool zintra = false;                           // -v: premultiplied 32-bit pixels for the zintra GPU
    bool swap = false;                             // --swap: 16-bit .bin and rgb565a8 colours high byte first
    LvglVersion lvgl = LvglVersion::v7;            // --lvgl: the release whose layout is written
    bool premultiply = false;                      // --premultiply (v9): colours scaled by their alpha
    unsigned align = 1;                            // --align (v9): each row's bytes rounded up to a multiple
    Compression compression = Compression::none;   // --compress (v9): how the data block is compressed
};

}  // namespace pixmint
