// The --preview output: a PNG of what the device will show.
#pragma once

#include "common/text_sink.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/rgba_image.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// The pixels the device shows for encoding.format at encoding.depth (16 when no single depth is
// given; 24 is the 32-bit layout; rgb565a8 always 16): reduced, dithered and palette-mapped as
// the output holds them, with the opacity the encoding.lvgl release draws them with. A raw format
// shows the decoded image as it is.
RgbaImage shown_image(const Encoding& encoding, const Image& image, const BlockImage* packed);

// What LVGL v9's software renderer shows of `encoded` (see v9_shown_image); a raw format shows the
// decoded `image` as it is.
RgbaImage shown_v9_image(const Encoding& encoding, const Image& image, const V9Image& encoded);

// Appends the PNG of `shown`; a PNG that can't be encoded (no memory) fails the sink.
void append_png(const RgbaImage& shown, lvforge::TextSink& out);

// Appends the preview PNG; a PNG that can't be encoded (no memory) fails the sink.
void append_preview_file(const Encoding& encoding, const Image& image, const BlockImage* packed,
                         lvforge::TextSink& out);

}  // namespace pixmint
