// The map array of an indexed, alpha-only, raw or rgb565a8 image: one block, the same
// whatever LV_COLOR_DEPTH the firmware uses (rgb565a8 compiles at LV_COLOR_DEPTH 16 only).
#pragma once

#include "common/text_sink.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

// The block's lines, between the array's opening and closing lines: a comment, then for an
// indexed format one palette entry a line and a second comment, then one packed row a line (a
// raw file sixteen bytes a line). rgb565a8: a guard that stops the build at any other colour
// depth or byte order, then the colour plane one row a line, a comment and the alpha plane.
void append_block_map(ColorFormat format, const BlockImage& packed, lvforge::TextSink& out);

}  // namespace pixmint
