// Byte layouts of LVGL's indexed and alpha-only formats: n-bit values
// packed most significant bit first, every row starting on a byte boundary.
#pragma once

#include <cstdint>
#include <vector>

#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// Bytes of one packed row of `width` values of `bits` bits: (width * bits + 7) / 8.
std::size_t packed_row_bytes(std::uint32_t width, int bits);

// Packs one row of `width` values (each below 2^bits) into packed_row_bytes() bytes at `out`,
// most significant bit first, the unused low bits of the last byte zero.
void pack_row(const std::uint8_t* values, std::uint32_t width, int bits, std::uint8_t* out);

// Packs `width` x `height` values row by row, as pack_row does.
std::vector<std::uint8_t> pack_rows(const std::uint8_t* values, std::uint32_t width, std::uint32_t height,
                                    int bits);

// The palette as an indexed format stores it: 2^bits entries of blue, green, red, alpha, the
// entries past the palette's colours zero.
std::vector<std::uint8_t> palette_bytes(const std::vector<Color32>& palette, int bits);

// Indexed data: palette_bytes(), then the packed indices.
std::vector<std::uint8_t> indexed_bytes(const IndexedImage& img, std::uint32_t width, std::uint32_t height,
                                        int bits);

// An 8-bit alpha reduced to `bits` bits, rounded: (a * (2^bits - 1) + 127) / 255.
std::uint8_t reduce_alpha(std::uint8_t a, int bits);

// One row of `width` RGBA pixels as alpha-only data: each alpha reduced to `bits` bits, packed
// into packed_row_bytes() bytes at `out`; colour dropped.
void pack_alpha_row(const std::uint8_t* rgba, std::uint32_t width, int bits, std::uint8_t* out);

// Alpha-only data of a whole image, row by row as pack_alpha_row() packs them.
std::vector<std::uint8_t> alpha_bytes(const RgbaImage& img, int bits);

}  // namespace pixmint
