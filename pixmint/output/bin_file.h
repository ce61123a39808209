// The .bin output: LVGL's binary image file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/text_sink.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// The .bin path for a C file path: its ".c" replaced by ".bin".
std::string bin_path_of(const std::string& out_path);

// The file's bytes: the header word, then the block of `packed`, or for a true-colour format the
// pixels at the one depth encoding.depth gives (dithered with --dither, swapped with --swap).
std::vector<std::uint8_t> binary_file_bytes(const Encoding& encoding, const Image& image,
                                            const BlockImage* packed);

// An LVGL v9 .bin file: the 12-byte header, then exactly what the C array's data holds.
std::vector<std::uint8_t> v9_binary_file_bytes(const Encoding& encoding, const V9Image& image);

// Appends the v9 file's bytes.
void append_v9_bin_file(const Encoding& encoding, const V9Image& image, lvforge::TextSink& out);

// Appends the file's bytes.
void append_bin_file(const Encoding& encoding, const Image& image, const BlockImage* packed,
                     lvforge::TextSink& out);

}  // namespace pixmint
