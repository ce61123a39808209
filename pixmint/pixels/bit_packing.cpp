#include "pixmint/pixels/bit_packing.h"

namespace pixmint {

std::size_t packed_row_bytes(std::uint32_t width, int bits) {
    return (std::size_t{width} * static_cast<std::size_t>(bits) + 7) / 8;
}

std::vector<std::uint8_t> pack_rows(const std::uint8_t* values, std::uint32_t width, std::uint32_t height,
                                    int bits) {
    const std::size_t stride = packed_row_bytes(width, bits);
    std::vector<std::uint8_t> out(stride * height);
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = out.data() + y * stride;
        const std::uint8_t* v = values + y * width;
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t bit = x * static_cast<std::size_t>(bits);
            // The first value of a byte sits in its highest bits.
            row[bit / 8] |= static_cast<std::uint8_t>(v[x] << (8 - bits - static_cast<int>(bit % 8)));
        }
    }
    return out;
}

std::vector<std::uint8_t> indexed_bytes(const IndexedImage& img, std::uint32_t width, std::uint32_t height,
                                        int bits) {
    const std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint8_t> out(entries * 4);
    for (std::size_t i = 0; i < img.palette.size() && i < entries; ++i) {
        const Color32& c = img.palette[i];
        out[i * 4 + 0] = c.b;
        out[i * 4 + 1] = c.g;
        out[i * 4 + 2] = c.r;
        out[i * 4 + 3] = c.a;
    }
    const std::vector<std::uint8_t> packed = pack_rows(img.index.data(), width, height, bits);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

std::uint8_t reduce_alpha(std::uint8_t a, int bits) {
    return static_cast<std::uint8_t>((unsigned{a} * ((1u << bits) - 1) + 127) / 255);
}

std::vector<std::uint8_t> alpha_bytes(const RgbaImage& img, int bits) {
    std::vector<std::uint8_t> alpha(img.size());
    for (std::size_t i = 0; i < alpha.size(); ++i) alpha[i] = reduce_alpha(img.px[i * 4 + 3], bits);
    return pack_rows(alpha.data(), img.width, img.height, bits);
}

}  // namespace pixmint
