#include "pixmint/pixels/compressed_block.h"

#include <lz4.h>

#include "pixmint/pixels/lz4_library.h"
#include "pixmint/pixels/rle.h"

namespace pixmint {

namespace {

// LZ4 block compression (the raw block format LZ4_decompress_safe reads), from liblz4.
// `n` bytes as one LZ4 block, compressed at liblz4's default high-compression level (images are
// written once and stored in flash many times over). nullopt when liblz4 fails or can't be loaded:
// no memory, or more than LZ4_MAX_INPUT_SIZE bytes.
std::optional<std::vector<std::uint8_t>> lz4_compress(const std::uint8_t* data, std::size_t n) {
    // Loaded here, on the one route that needs it.
    const Lz4Library* lib = lz4_library();
    if (lib == nullptr || n > static_cast<std::size_t>(LZ4_MAX_INPUT_SIZE)) return std::nullopt;
    const int in = static_cast<int>(n);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(LZ4_COMPRESSBOUND(in)));
    const int size =
        lib->compress_hc(reinterpret_cast<const char*>(data), reinterpret_cast<char*>(out.data()), in,
                         static_cast<int>(out.size()), LZ4HC_CLEVEL_DEFAULT);
    if (size <= 0 && n != 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(size));
    return out;
}

void put32(std::uint8_t* o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> compressed_block(const std::vector<std::uint8_t>& block,
                                                          Compression method, std::size_t rle_unit) {
    std::vector<std::uint8_t> body;
    if (method == Compression::rle) {
        body = rle_compress(block.data(), block.size(), rle_unit);
    } else {
        auto lz4 = lz4_compress(block.data(), block.size());
        if (!lz4) return std::nullopt;
        body = std::move(*lz4);
    }
    std::vector<std::uint8_t> out(kCompressedHeaderBytes);
    put32(out.data(), static_cast<std::uint32_t>(method));
    put32(out.data() + 4, static_cast<std::uint32_t>(body.size()));
    put32(out.data() + 8, static_cast<std::uint32_t>(block.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace pixmint
