// The LVGL v9 route's --preview output: a PNG of what v9's software renderer
// shows of the image encoded whole.
#pragma once

#include "common/text_sink.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/rgba_image.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// What LVGL v9's software renderer shows of `encoded` (see v9_shown_image); a raw format shows the
// decoded `image` as it is.
RgbaImage shown_v9_image(const Encoding& encoding, const Image& image, const V9Image& encoded);

// Appends the PNG of `shown`; a PNG that can't be encoded (no memory) fails the sink.
void append_png(const RgbaImage& shown, lvforge::TextSink& out);

}  // namespace pixmint
