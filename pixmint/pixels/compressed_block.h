// The compressed form of a v9 image's data block, as LVGL's binary decoder reads it from
// lv_image_dsc_t.data (or after a .bin file's header): lv_image_compressed_t's 12 bytes
// (method in the low 4 bits of the first word, then the compressed and the decompressed size,
// little-endian), then the compressed bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/formats.h"

namespace pixmint {

// Bytes of lv_image_compressed_t's header.
inline constexpr std::size_t kCompressedHeaderBytes = 12;

// `block` compressed with `method` (rle or lz4; RLE in units of `rle_unit` bytes), behind its
// header. nullopt when the compressor fails (no memory, or a block too large for LZ4).
std::optional<std::vector<std::uint8_t>> compressed_block(const std::vector<std::uint8_t>& block,
                                                          Compression method, std::size_t rle_unit);

}  // namespace pixmint
