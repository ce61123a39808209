#include "pixmint/output/preview_file.h"

#include <string_view>
#include <utility>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/preview_pixels.h"
#include "pixmint/pixels/v9_preview.h"

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
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    // rgb565a8 holds 16-bit colours, whatever -d says.
    const FormatFamily family = family_of(encoding.format);
    const int depth = family == FormatFamily::alpha_plane ? 16 : shown_depth(encoding.depth);
    switch (family) {
        case FormatFamily::true_color:
            rgba = true_color_preview(rgba, alpha_of(encoding.format), depth, encoding.dither);
            break;
        case FormatFamily::alpha_plane:
            rgba = true_color_preview(rgba, TrueColorAlpha::own, depth, encoding.dither);
            break;
        case FormatFamily::indexed:
            // Without a palette (it could not be built) the run has failed; the image stands in.
            if (packed == nullptr || !packed->indexed) return rgba;
            rgba = indexed_preview(*packed->indexed, image.width, image.height, depth, encoding.lvgl);
            break;
        case FormatFamily::alpha:
            rgba = alpha_preview(rgba, bits_of(encoding.format));
            break;
        case FormatFamily::raw:
        case FormatFamily::direct:  // v9's alone, shown by shown_v9_image
            // Drawn by a decoder registered at run time: shown as decoded here.
            return rgba;
    }
    return drawn_opacity(std::move(rgba), depth, encoding.lvgl);
}

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

void append_preview_file(const Encoding& encoding, const Image& image, const BlockImage* packed,
                         lvforge::TextSink& out) {
    append_png(shown_image(encoding, image, packed), out);
}

}  // namespace pixmint
