// LZ4 block compression (the raw block format LZ4_decompress_safe reads), from liblz4.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace pixmint {

// `n` bytes as one LZ4 block, compressed at liblz4's default high-compression level (images are
// written once and stored in flash many times over). nullopt when liblz4 fails: no memory, or more
// than LZ4_MAX_INPUT_SIZE bytes.
std::optional<std::vector<std::uint8_t>> lz4_compress(const std::uint8_t* data, std::size_t n);

}  // namespace pixmint
