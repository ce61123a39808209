// Generated LVGL v9 data read back as LVGL v9.2 reads it: the binary
// decoder's walk of each colour format (stride, palette, packed rows, the
// RGB565A8 alpha plane) and the software blenders' widening of its colours.
#pragma once

#include <cstdint>
#include <vector>

namespace pixmint::test {

// The header fields a v9 image's data is read with.
struct V9Image {
    unsigned cf = 0, w = 0, h = 0, stride = 0;
};

// Bits a pixel of the v9 colour format `cf` takes (16 for RGB565A8's colour plane).
unsigned v9_bits_of_cf(unsigned cf);

// RGBA of the image as v9 draws it onto an ARGB8888 layer, from its uncompressed `block`: the
// binary decoder's palette lookup and alpha widening (bit_extend), the blenders' RGB565 widening
// (* 2106 >> 8, * 1037 >> 8).
std::vector<std::uint8_t> decode_v9(const V9Image& image, const std::vector<std::uint8_t>& block);

}  // namespace pixmint::test
