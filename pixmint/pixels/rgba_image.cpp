#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

RgbaImage to_rgba(const std::uint8_t* pixels, std::uint32_t width, std::uint32_t height, int channels) {
    RgbaImage img{width, height, {}};
    const std::size_t n = img.size();
    img.px.resize(n * 4);
    std::uint8_t* o = img.px.data();
    const std::uint8_t* p = pixels;
    for (std::size_t i = 0; i < n; ++i, o += 4) {
        switch (channels) {
            case 1:
                o[0] = o[1] = o[2] = p[0], o[3] = 255;
                break;
            case 2:
                o[0] = o[1] = o[2] = p[0], o[3] = p[1];
                break;
            case 3:
                o[0] = p[0], o[1] = p[1], o[2] = p[2], o[3] = 255;
                break;
            default:
                o[0] = p[0], o[1] = p[1], o[2] = p[2], o[3] = p[3];
                break;
        }
        p += channels;
    }
    return img;
}

}  // namespace pixmint
