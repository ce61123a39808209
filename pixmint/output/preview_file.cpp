#include "pixmint/output/preview_file.h"

#include <string_view>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/preview_pixels.h"
#include "pixmint/pixels/v9_preview.h"

namespace pixmint {

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
