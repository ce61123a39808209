#include "pixmint/pixels/bit_packing.h"

#include <cstring>

namespace pixmint {

std::size_t packed_row_bytes(std::uint32_t width, int bits) {
    return (std::size_t{width} * static_cast<std::size_t>(bits) + 7) / 8;
}

void pack_row(const std::uint8_t* values, std::uint32_t width, int bits, std::uint8_t* out) {
    if (width == 0) return;
    if (bits == 8) {
        std::memcpy(out, values, width);
        return;
    }
    std::memset(out, 0, packed_row_bytes(width, bits));
    for (std::size_t x = 0; x < width; ++x) {
        const std::size_t bit = x * static_cast<std::size_t>(bits);
        // The first value of a byte sits in its highest bits.
        out[bit / 8] |= static_cast<std::uint8_t>(values[x] << (8 - bits - static_cast<int>(bit % 8)));
    }
}

std::vector<std::uint8_t> pack_rows(const std::uint8_t* values, std::uint32_t width, std::uint32_t height,
                                    int bits) {
    const std::size_t stride = packed_row_bytes(width, bits);
    std::vector<std::uint8_t> out(stride * height);
    for (std::size_t y = 0; y < height; ++y)
        pack_row(values + y * width, width, bits, out.data() + y * stride);
    return out;
}

std::vector<std::uint8_t> palette_bytes(const std::vector<Color32>& palette, int bits) {
    const std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint8_t> out(entries * 4);
    for (std::size_t i = 0; i < palette.size() && i < entries; ++i) {
        const Color32& c = palette[i];
        out[i * 4 + 0] = c.b;
        out[i * 4 + 1] = c.g;
        out[i * 4 + 2] = c.r;
        out[i * 4 + 3] = c.a;
    }
    return out;
}

std::vector<std::uint8_t> indexed_bytes(const IndexedImage& img, std::uint32_t width, std::uint32_t height,
                                        int bits) {
    std::vector<std::uint8_t> out = palette_bytes(img.palette, bits);
    const std::vector<std::uint8_t> packed = pack_rows(img.index.data(), width, height, bits);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

std::uint8_t reduce_alpha(std::uint8_t a, int bits) {
    return static_cast<std::uint8_t>((unsigned{a} * ((1u << bits) - 1) + 127) / 255);
}

void pack_alpha_row(const std::uint8_t* rgba, std::uint32_t width, int bits, std::uint8_t* out) {
    std::uint8_t alpha[256];
    // In pieces of whole bytes of output, so that each piece packs on its own.
    for (std::uint32_t x = 0; x < width;) {
        const std::uint32_t n = width - x < 256 ? width - x : 256;
        for (std::uint32_t i = 0; i < n; ++i) alpha[i] = reduce_alpha(rgba[(x + i) * 4 + 3], bits);
        pack_row(alpha, n, bits, out + packed_row_bytes(x, bits));
        x += n;
    }
}

std::vector<std::uint8_t> alpha_bytes(const RgbaImage& img, int bits) {
    const std::size_t stride = packed_row_bytes(img.width, bits);
    std::vector<std::uint8_t> out(stride * img.height);
    for (std::size_t y = 0; y < img.height; ++y)
        pack_alpha_row(img.px.data() + y * img.width * 4, img.width, bits, out.data() + y * stride);
    return out;
}

}  // namespace pixmint
