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

// Packs `width` x `height` values (each below 2^bits), row by row, most significant bit first.
std::vector<std::uint8_t> pack_rows(const std::uint8_t* values, std::uint32_t width, std::uint32_t height,
                                    int bits);

// Indexed data: 2^bits palette entries of blue, green, red, alpha (unused entries zero), then
// the packed indices.
std::vector<std::uint8_t> indexed_bytes(const IndexedImage& img, std::uint32_t width, std::uint32_t height,
                                        int bits);

// An 8-bit alpha reduced to `bits` bits, rounded: (a * (2^bits - 1) + 127) / 255.
std::uint8_t reduce_alpha(std::uint8_t a, int bits);

// Alpha-only data: every pixel's alpha reduced to `bits` bits, packed; colour dropped.
std::vector<std::uint8_t> alpha_bytes(const RgbaImage& img, int bits);

}  // namespace pixmint
