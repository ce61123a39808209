#include "pixmint/output/preview_file.h"

#include <string_view>

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
    const RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    const int depth = shown_depth(options.depth);
    switch (family_of(options.format)) {
        case FormatFamily::true_color:
            return true_color_preview(rgba, alpha_of(options.format), depth, options.dither);
        case FormatFamily::indexed:
            if (packed != nullptr && packed->indexed) {
                return indexed_preview(*packed->indexed, image.width, image.height, depth);
            }
            break;
        case FormatFamily::alpha:
            return alpha_preview(rgba, bits_of(options.format));
        case FormatFamily::raw:
            break;
    }
    return rgba;
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
