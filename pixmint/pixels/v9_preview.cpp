#include "pixmint/pixels/v9_preview.h"

namespace pixmint {

namespace {

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

void show_v9_pixels(ColorFormat format, const std::uint8_t* bytes, const std::uint8_t* alpha,
                    std::size_t count, std::uint8_t* o) {
    for (std::size_t x = 0; x < count; ++x, o += 4) {
        switch (format) {
            case ColorFormat::l8:
                grey(bytes[x], 255, o);
                break;
            case ColorFormat::al88:
                grey(bytes[x * 2], bytes[x * 2 + 1], o);
                break;
            case ColorFormat::rgb565:
                widen565(bytes + x * 2, o);
                o[3] = 255;
                break;
            case ColorFormat::rgb565a8:
                widen565(bytes + x * 2, o);
                o[3] = alpha[x];
                break;
            case ColorFormat::argb8565:
                widen565(bytes + x * 3, o);
                o[3] = bytes[x * 3 + 2];
                break;
            case ColorFormat::rgb888:
            case ColorFormat::xrgb8888:
            case ColorFormat::argb8888: {
                const std::size_t size = format == ColorFormat::rgb888 ? 3 : 4;
                const std::uint8_t* p = bytes + x * size;
                o[0] = p[2], o[1] = p[1], o[2] = p[0];
                o[3] = format == ColorFormat::argb8888 ? p[3] : 255;
                break;
            }
            default:
                o[0] = o[1] = o[2] = o[3] = 0;
                break;
        }
    }
}

}  // namespace pixmint
