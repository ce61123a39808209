#include "pixmint/pixels/rgba_image.h"

#include <cstring>

namespace pixmint {

void widen_to_rgba(const std::uint8_t* p, int channels, std::size_t count, std::uint8_t* o) {
    switch (channels) {
        case 1:
            for (std::size_t i = 0; i < count; ++i, o += 4, ++p) o[0] = o[1] = o[2] = p[0], o[3] = 255;
            break;
        case 2:
            for (std::size_t i = 0; i < count; ++i, o += 4, p += 2) o[0] = o[1] = o[2] = p[0], o[3] = p[1];
            break;
        case 3:
            for (std::size_t i = 0; i < count; ++i, o += 4, p += 3)
                o[0] = p[0], o[1] = p[1], o[2] = p[2], o[3] = 255;
            break;
        default:
            std::memcpy(o, p, count * 4);
            break;
    }
}

RgbaImage to_rgba(const std::uint8_t* pixels, std::uint32_t width, std::uint32_t height, int channels) {
    RgbaImage img{width, height, {}};
    img.px.resize(img.size() * 4);
    widen_to_rgba(pixels, channels, img.size(), img.px.data());
    return img;
}

}  // namespace pixmint
