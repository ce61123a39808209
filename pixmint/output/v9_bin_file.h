// The LVGL v9 .bin output: its 12-byte header and the image's data block, as
// the v9 route (which encodes the whole image at once) writes it.
#pragma once

#include <cstdint>
#include <vector>

#include "common/text_sink.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// An LVGL v9 .bin file: the 12-byte header, then exactly what the C array's data holds.
std::vector<std::uint8_t> v9_binary_file_bytes(const Encoding& encoding, const V9Image& image);

// Appends the v9 file's bytes.
void append_v9_bin_file(const Encoding& encoding, const V9Image& image, lvforge::TextSink& out);

}  // namespace pixmint
