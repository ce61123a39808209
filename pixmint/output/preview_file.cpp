#include "pixmint/output/preview_file.h"

#include <string_view>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/preview_pixels.h"

namespace pixmint {

namespace {

// The colour depth the preview shows.
int shown_depth(Depth depth) {
    switch (depth) {
        case Depth::bits8:
            return 8;
        case Depth::bits24:
            return 32;
        case Depth::bits16:
        case Depth::all:
            break;
    }
    return 16;
}

TrueColorAlpha alpha_of(ColorFormat format) {
    if (format == ColorFormat::true_color_alpha) return TrueColorAlpha::own;
    if (format == ColorFormat::true_color_chroma_keyed) return TrueColorAlpha::chroma_key;
    return TrueColorAlpha::none;
}

}  // namespace

RgbaImage shown_image(const Encoding& encoding, const Image& image, const BlockImage* packed) {
    if (image.pixels == nullptr) return {};
    const RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    const int depth = shown_depth(encoding.depth);
    switch (family_of(encoding.format)) {
        case FormatFamily::true_color:
            return true_color_preview(rgba, alpha_of(encoding.format), depth, encoding.dither);
        case FormatFamily::indexed:
            if (packed != nullptr && packed->indexed) {
                return indexed_preview(*packed->indexed, image.width, image.height, depth);
            }
            break;
        case FormatFamily::alpha:
            return alpha_preview(rgba, bits_of(encoding.format));
        case FormatFamily::raw:
            break;
    }
    return rgba;
}

void append_preview_file(const Encoding& encoding, const Image& image, const BlockImage* packed,
                         lvforge::TextSink& out) {
    const auto png = encode_png(shown_image(encoding, image, packed));
    if (!png) {
        out.fail();
        return;
    }
    out.append(std::string_view(reinterpret_cast<const char*>(png->data()), png->size()));
}

}  // namespace pixmint
