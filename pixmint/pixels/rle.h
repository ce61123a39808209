// LVGL v9's run-length code, as its lv_rle_decompress reads it: a control byte, then either one
// unit repeated (control 1..127: the count) or a literal run of units (control 0x80 | count).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmint {

// `n` bytes coded in units of `unit` bytes (1 to 4). Runs of identical units long enough to save
// bytes are repeats, everything else literal runs, each at most 127 units. A last unit cut short
// (n not a multiple of `unit`) is a literal padded with zeros: the decoder copies only the bytes
// the decompressed size leaves room for.
std::vector<std::uint8_t> rle_compress(const std::uint8_t* data, std::size_t n, std::size_t unit);

}  // namespace pixmint
