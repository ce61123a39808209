// The texts of an LVGL v9 image in a C file around its data: the comments
// before each part of the map array (palette, rows, alpha plane; or the
// compression header and the compressed bytes), and the lv_image_dsc_t
// pointing at it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pixmint/output/v9_block.h"

namespace pixmint {

// The lines before an uncompressed block's rows: an indexed format's palette (a comment, then
// one line per entry; nothing when `palette` is empty), then a comment naming `format` and `stride`.
std::string v9_block_opening(ColorFormat format, const std::vector<std::uint8_t>& palette,
                             std::uint32_t stride);

// The comment between rgb565a8's colour plane and its alpha plane of rows of `alpha_stride` bytes.
std::string v9_alpha_plane_opening(std::uint32_t alpha_stride);

// The lines before a compressed block's data: a comment, lv_image_compressed_t's 12 bytes at the
// start of `compressed` four a line, and a comment before the compressed bytes that follow them.
std::string v9_compressed_opening(const V9Layout& layout, const std::vector<std::uint8_t>& compressed);

// The array's closing line and the lv_image_dsc_t `var_name` of `layout`: magic, colour format,
// flags, size, stride, its data's exact size `data_size`, the data.
std::string v9_tail_text(std::string_view var_name, const V9Layout& layout, std::uint64_t data_size);

}  // namespace pixmint
