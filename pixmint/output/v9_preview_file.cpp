#include "pixmint/output/v9_preview_file.h"

#include <stb_image_write.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/v9_preview.h"

namespace pixmint {

namespace {

// The image as PNG bytes; nullopt when it can't be encoded (an empty image, no memory).
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

}  // namespace

RgbaImage shown_v9_image(const Encoding& encoding, const Image& image, const V9Image& encoded) {
    if (image.pixels == nullptr) return {};
    if (family_of(encoding.format) == FormatFamily::raw)
        return to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    return v9_shown_image(encoded.block, encoding.format, encoded.width, encoded.height);
}

void append_png(const RgbaImage& shown, lvforge::TextSink& out) {
    const auto png = encode_png(shown);
    if (!png) {
        out.fail();
        return;
    }
    out.append(std::string_view(reinterpret_cast<const char*>(png->data()), png->size()));
}

}  // namespace pixmint
