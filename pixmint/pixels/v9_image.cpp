#include "pixmint/pixels/v9_image.h"

#include "pixmint/pixels/compressed_block.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/indexed_choice.h"
#include "pixmint/pixels/rgba_rows.h"
#include "pixmint/pixels/stride.h"

namespace pixmint {

namespace {

// Whether `format` stores 16-bit colours, where --dither diffuses the lost bits.
bool has_16bit_color(ColorFormat format) {
    return format == ColorFormat::rgb565 || format == ColorFormat::rgb565a8 ||
           format == ColorFormat::argb8565;
}

// The data block of `image`; `format` becomes the format it holds (indexed-auto settles here).
lvforge::Result<V9Block, Failure> pixel_block(const Encoding& encoding, std::span<const std::uint8_t> raw,
                                              const Image& image, const IndexedImage* own,
                                              ColorFormat& format) {
    const FormatFamily family = family_of(encoding.format);
    format = encoding.format;
    if (family == FormatFamily::raw) {
        V9Block out;
        out.bytes.assign(raw.begin(), raw.end());
        return out;
    }
    if (image.pixels == nullptr) {
        // Nothing to settle indexed-auto on (a failed resize, already reported): the largest.
        if (settled_on_image(format)) format = ColorFormat::indexed_8;
        V9Block out;
        out.stride = v9_stride(image.width, bits_of(format), encoding.align);
        return out;
    }
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (family == FormatFamily::indexed) {
        // The same palette as v7's and v8's (the file's own, the exact one of indexed-auto, or the
        // quantizer's); only the layout around it is v9's.
        ViewRows rows(rgba);
        auto chosen = own != nullptr ? keep_own_palette(encoding.format, *own)
                                     : index_colors(encoding.format, rows, encoding.dither);
        if (!chosen.ok()) return chosen.error();
        format = chosen.value().format;
        return v9_indexed_block(chosen.value().indexed, image.width, image.height, bits_of(format),
                                encoding.align, encoding.premultiply);
    }
    if (encoding.dither && has_16bit_color(encoding.format)) rgba = reduce_depth(rgba, 16, true);
    return v9_pixel_block(rgba, encoding.format, encoding.align, encoding.premultiply);
}

}  // namespace

lvforge::Result<V9Image, Failure> encode_v9_image(const Encoding& encoding, std::span<const std::uint8_t> raw,
                                                  const Image& image, const IndexedImage* own) {
    V9Image out;
    auto block = pixel_block(encoding, raw, image, own, out.format);
    if (!block.ok()) return block.error();
    out.width = image.width;
    out.height = image.height;
    out.block = std::move(block.value());
    if (encoding.premultiply) out.flags |= kV9FlagPremultiplied;
    if (encoding.compression != Compression::none) {
        auto packed = compressed_block(out.block.bytes, encoding.compression, rle_unit_of(out.format));
        if (!packed) return fatal(FailureKind::compress_failed);
        out.compressed = std::move(*packed);
        out.flags |= kV9FlagCompressed;
    }
    return out;
}

}  // namespace pixmint
