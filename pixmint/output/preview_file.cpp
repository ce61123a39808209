#include "pixmint/output/preview_file.h"

#include <string_view>
#include <utility>

#include "common/generated_file.h"
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

RgbaImage shown_image(const Options& options, const Image& image, const BlockImage* packed) {
    if (image.pixels == nullptr) return {};
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    // rgb565a8 holds 16-bit colours, whatever -d says.
    const FormatFamily family = family_of(options.format);
    const int depth = family == FormatFamily::alpha_plane ? 16 : shown_depth(options.depth);
    switch (family) {
        case FormatFamily::true_color:
            rgba = true_color_preview(rgba, alpha_of(options.format), depth, options.dither);
            break;
        case FormatFamily::alpha_plane:
            rgba = true_color_preview(rgba, TrueColorAlpha::own, depth, options.dither);
            break;
        case FormatFamily::indexed:
            // Without a palette (it could not be built) the run has failed; the image stands in.
            if (packed == nullptr || !packed->indexed) return rgba;
            rgba = indexed_preview(*packed->indexed, image.width, image.height, depth, options.lvgl);
            break;
        case FormatFamily::alpha:
            rgba = alpha_preview(rgba, bits_of(options.format));
            break;
        case FormatFamily::raw:
            // Drawn by a decoder registered at run time: shown as decoded here.
            return rgba;
    }
    return drawn_opacity(std::move(rgba), depth, options.lvgl);
}

std::optional<lvforge::OutputFailure> write_preview_file(const Options& options, const Image& image,
                                                         const BlockImage* packed) {
    const auto png = encode_png(shown_image(options, image, packed));
    if (!png) return lvforge::OutputFailure{lvforge::OutputFailure::Kind::write, *options.preview_path};
    return lvforge::write_generated_file(*options.preview_path, [&](lvforge::TextSink& out) {
        out.append(std::string_view(reinterpret_cast<const char*>(png->data()), png->size()));
    });
}

}  // namespace pixmint
