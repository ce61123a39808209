#include "pixmint/pixels/lz4_block.h"

#include <lz4.h>
#include <lz4hc.h>

namespace pixmint {

std::optional<std::vector<std::uint8_t>> lz4_compress(const std::uint8_t* data, std::size_t n) {
    if (n > static_cast<std::size_t>(LZ4_MAX_INPUT_SIZE)) return std::nullopt;
    const int in = static_cast<int>(n);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(LZ4_compressBound(in)));
    const int size = LZ4_compress_HC(reinterpret_cast<const char*>(data), reinterpret_cast<char*>(out.data()),
                                     in, static_cast<int>(out.size()), LZ4HC_CLEVEL_DEFAULT);
    if (size <= 0 && n != 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(size));
    return out;
}

}  // namespace pixmint
