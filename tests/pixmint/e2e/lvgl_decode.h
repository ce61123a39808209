// Generated image sources read back as LVGL v7 reads them: compiled against the stand-in lvgl.h
// and their data walked the way LVGL's image decoder walks it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace pixmint::test {

// What a generated lv_img_dsc_t holds once compiled.
struct Compiled {
    std::string header;              // "w h cf data_size"
    std::vector<std::uint8_t> data;  // the array, through .data
};

// Compiles `var`.c in `dir` at LVGL's `depth` and swap setting and dumps its descriptor and
// array. For the one-block formats the dump fails unless data_size is the array's exact size.
Compiled compile(const lvforge::test::TempDir& dir, const std::string& var, int depth = 16, int swap = 0);

// The value of pixel (x, y) in n-bit data starting at `ofs`, read as LVGL reads it: rows of
// (w * n + 7) / 8 bytes, the first pixel of a byte in its highest bits.
unsigned read_value(const std::vector<std::uint8_t>& data, std::size_t ofs, int w, int bits, int x, int y);

// RGBA pixels of a w x h image in indexed data of `bits` bits, palette entries being
// lv_color32_t (blue, green, red, alpha).
std::vector<std::uint8_t> decode_indexed(const std::vector<std::uint8_t>& data, int bits, int w, int h);

// The "w h cf data_size" line compile() dumps.
std::string header_of(int w, int h, int cf, std::size_t size);

}  // namespace pixmint::test
