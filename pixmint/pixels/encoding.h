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
    bool swap = false;                             // --swap: the two bytes of a 16-bit .bin pixel swapped
    LvglVersion lvgl = LvglVersion::v7;            // --lvgl: the release whose layout is written
};

}  // namespace pixmint
