// The text of an LVGL v9 image in a C file: its map array (the data block, uncompressed or
// compressed) and the lv_image_dsc_t pointing at it.
#pragma once

#include "common/text_sink.h"
#include "pixmint/pixels/options.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// The map array: a comment before each part (palette, rows, alpha plane; or the compression
// header and the compressed bytes), then its bytes, one row, palette entry or 16 bytes a line.
void append_v9_map_array(const Options& options, const V9Image& image, lvforge::TextSink& out);

// The lv_image_dsc_t: magic, colour format, flags, size, stride, the exact data size, the data.
void append_v9_descriptor(const Options& options, const V9Image& image, lvforge::TextSink& out);

}  // namespace pixmint
