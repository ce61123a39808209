// The text of an LVGL v9 image in a C file: its map array (the data block, uncompressed or
// compressed) and the lv_image_dsc_t pointing at it.
#pragma once

#include <string_view>

#include "common/names.h"
#include "common/text_sink.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// The map array: a comment before each part (palette, rows, alpha plane; or the compression
// header and the compressed bytes), then its bytes, one row, palette entry or 16 bytes a line.
void append_v9_map_array(const lvforge::OutputNames& names, const Encoding& encoding, const V9Image& image,
                         lvforge::TextSink& out);

// The lv_image_dsc_t `var_name`: magic, colour format, flags, size, stride, the exact data size, the data.
void append_v9_descriptor(std::string_view var_name, const Encoding& encoding, const V9Image& image,
                          lvforge::TextSink& out);

}  // namespace pixmint
