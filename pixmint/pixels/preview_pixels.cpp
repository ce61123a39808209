#include "pixmint/pixels/preview_pixels.h"

#include <stb_image_write.h>

#include <climits>

#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/depth_reduction.h"

namespace pixmint {

namespace {

// Whether a shown pixel is LVGL's chroma key, pure green (LV_COLOR_TRANSP) at the shown depth.
bool is_chroma_key(const std::uint8_t* p) {
    return p[0] == 0 && p[1] == 255 && p[2] == 0;
}

}  // namespace

RgbaImage true_color_preview(const RgbaImage& img, TrueColorAlpha alpha, int depth, bool dither) {
    RgbaImage out = reduce_depth(img, depth, dither);
    for (std::size_t i = 0; i < out.px.size(); i += 4) {
        std::uint8_t* p = &out.px[i];
        if (alpha == TrueColorAlpha::none) p[3] = 255;
        if (alpha == TrueColorAlpha::chroma_key) p[3] = is_chroma_key(p) ? 0 : 255;
    }
    return out;
}

RgbaImage indexed_preview(const IndexedImage& img, std::uint32_t width, std::uint32_t height, int depth,
                          LvglVersion lvgl) {
    RgbaImage out = reduce_depth(expand_palette(img, width, height), depth, false);
    if (lvgl == LvglVersion::v7) {
        for (std::size_t i = 0; i < out.px.size(); i += 4)
            if (is_chroma_key(&out.px[i])) out.px[i + 3] = 0;
    }
    return out;
}

RgbaImage drawn_opacity(RgbaImage img, int depth, LvglVersion lvgl) {
    if (lvgl != LvglVersion::v8) return img;
    for (std::size_t i = 3; i < img.px.size(); i += 4) {
        std::uint8_t& a = img.px[i];
        if (depth == 16) {
            const unsigned mix = (a + 4u) >> 3;  // lv_color_mix's 5-bit ratio, 0 to 32
            a = static_cast<std::uint8_t>((mix * 255 + 16) / 32);
        } else if (depth == 8) {
            a = a > 128 ? 255 : 0;
        }
    }
    return img;
}

RgbaImage alpha_preview(const RgbaImage& img, int bits) {
    RgbaImage out{img.width, img.height, std::vector<std::uint8_t>(img.px.size())};
    for (std::size_t i = 3; i < img.px.size(); i += 4)
        out.px[i] = expand_bits(reduce_alpha(img.px[i], bits), bits);
    return out;
}

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
