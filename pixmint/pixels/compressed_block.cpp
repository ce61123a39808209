#include "pixmint/pixels/compressed_block.h"

#include "pixmint/pixels/lz4_block.h"
#include "pixmint/pixels/rle.h"

namespace pixmint {

namespace {

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
