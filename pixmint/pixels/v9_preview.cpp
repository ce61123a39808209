#include "pixmint/pixels/v9_preview.h"

#include "pixmint/pixels/depth_reduction.h"

namespace pixmint {

namespace {

// The n-bit value of pixel `x` in a packed row, the first pixel in a byte's highest bits.
unsigned packed_value(const std::uint8_t* row, std::uint32_t x, int bits) {
    const std::size_t bit = std::size_t{x} * static_cast<unsigned>(bits);
    return (row[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
}

// An RGB565 colour (little-endian at `p`) widened as the blenders widen it.
void widen565(const std::uint8_t* p, std::uint8_t* o) {
    const unsigned v = p[0] | unsigned{p[1]} << 8;
    o[0] = static_cast<std::uint8_t>(((v >> 11) & 0x1F) * 2106 >> 8);
    o[1] = static_cast<std::uint8_t>(((v >> 5) & 0x3F) * 1037 >> 8);
    o[2] = static_cast<std::uint8_t>((v & 0x1F) * 2106 >> 8);
}

void grey(std::uint8_t l, std::uint8_t a, std::uint8_t* o) {
    o[0] = o[1] = o[2] = l;
    o[3] = a;
}

}  // namespace

RgbaImage v9_shown_image(const V9Block& block, ColorFormat format, std::uint32_t width,
                         std::uint32_t height) {
    RgbaImage out{width, height, std::vector<std::uint8_t>(std::size_t{width} * height * 4)};
    const int bits = bits_of(format);
    const std::size_t need = block.palette_bytes + std::size_t{block.stride} * height +
                             (block.alpha_plane != 0 ? std::size_t{block.stride / 2} * height : 0);
    if (block.bytes.size() < need) return out;
    const std::uint8_t* palette = block.bytes.data();
    const std::uint8_t* rows = block.bytes.data() + block.palette_bytes;
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = rows + std::size_t{y} * block.stride;
        const std::uint8_t* alpha =
            block.bytes.data() + block.alpha_plane + std::size_t{y} * (block.stride / 2);
        std::uint8_t* o = &out.px[std::size_t{y} * width * 4];
        for (std::uint32_t x = 0; x < width; ++x, o += 4) {
            switch (format) {
                case ColorFormat::l8:
                    grey(row[x], 255, o);
                    break;
                case ColorFormat::al88:
                    grey(row[x * 2], row[x * 2 + 1], o);
                    break;
                case ColorFormat::rgb565:
                    widen565(row + x * 2, o);
                    o[3] = 255;
                    break;
                case ColorFormat::rgb565a8:
                    widen565(row + x * 2, o);
                    o[3] = alpha[x];
                    break;
                case ColorFormat::argb8565:
                    widen565(row + x * 3, o);
                    o[3] = row[x * 3 + 2];
                    break;
                case ColorFormat::rgb888:
                case ColorFormat::xrgb8888:
                case ColorFormat::argb8888: {
                    const std::size_t size = format == ColorFormat::rgb888 ? 3 : 4;
                    const std::uint8_t* p = row + x * size;
                    o[0] = p[2], o[1] = p[1], o[2] = p[0];
                    o[3] = format == ColorFormat::argb8888 ? p[3] : 255;
                    break;
                }
                default:
                    if (family_of(format) == FormatFamily::indexed) {
                        const std::uint8_t* e = palette + packed_value(row, x, bits) * 4;
                        o[0] = e[2], o[1] = e[1], o[2] = e[0], o[3] = e[3];
                    } else if (family_of(format) == FormatFamily::alpha) {
                        o[3] = expand_bits(packed_value(row, x, bits), bits);
                    }
                    break;
            }
        }
    }
    return out;
}

}  // namespace pixmint
