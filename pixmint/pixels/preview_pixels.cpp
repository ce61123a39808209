#include "pixmint/pixels/preview_pixels.h"

#include <stb_image_write.h>

#include <climits>

namespace pixmint {

std::optional<std::vector<std::uint8_t>> encode_png(const RgbaImage& img) {
    if (img.width == 0 || img.height == 0 || img.width > INT_MAX / 4 || img.height > INT_MAX)
        return std::nullopt;
    std::vector<std::uint8_t> png;
    const auto append = [](void* ctx, void* data, int size) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(ctx);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
    };
    const int w = static_cast<int>(img.width), h = static_cast<int>(img.height);
    if (stbi_write_png_to_func(append, &png, w, h, 4, img.px.data(), w * 4) == 0) return std::nullopt;
    return png;
}

}  // namespace pixmint
