#include "pixmint/pixels/v9_image.h"

#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/compressed_block.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/stride.h"

namespace pixmint {

namespace {

// Whether `format` stores 16-bit colours, where --dither diffuses the lost bits.
bool has_16bit_color(ColorFormat format) {
    return format == ColorFormat::rgb565 || format == ColorFormat::rgb565a8 ||
           format == ColorFormat::argb8565;
}

lvforge::Result<V9Block, Failure> pixel_block(const Encoding& encoding, const std::string& image_path,
                                              const Image& image) {
    const FormatFamily family = family_of(encoding.format);
    if (family == FormatFamily::raw) {
        auto raw = pack_image(encoding.format, encoding.dither, image_path, image);
        if (!raw.ok()) return raw.error();
        V9Block out;
        if (raw.value()) out.bytes = std::move(raw.value()->bytes);
        return out;
    }
    if (image.pixels == nullptr) {
        V9Block out;
        out.stride = v9_stride(image.width, bits_of(encoding.format), encoding.align);
        return out;
    }
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (family == FormatFamily::indexed) {
        const int bits = bits_of(encoding.format);
        const auto indexed = build_palette(rgba, bits, encoding.dither);
        if (!indexed) return fatal(FailureKind::palette_failed);
        return v9_indexed_block(*indexed, image.width, image.height, bits, encoding.align,
                                encoding.premultiply);
    }
    if (encoding.dither && has_16bit_color(encoding.format)) rgba = reduce_depth(rgba, 16, true);
    return v9_pixel_block(rgba, encoding.format, encoding.align, encoding.premultiply);
}

}  // namespace

lvforge::Result<V9Image, Failure> encode_v9_image(const Encoding& encoding, const std::string& image_path,
                                                  const Image& image) {
    auto block = pixel_block(encoding, image_path, image);
    if (!block.ok()) return block.error();
    V9Image out;
    out.width = image.width;
    out.height = image.height;
    out.block = std::move(block.value());
    if (encoding.premultiply) out.flags |= kV9FlagPremultiplied;
    if (encoding.compression != Compression::none) {
        auto packed = compressed_block(out.block.bytes, encoding.compression, rle_unit_of(encoding.format));
        if (!packed) return fatal(FailureKind::compress_failed);
        out.compressed = std::move(*packed);
        out.flags |= kV9FlagCompressed;
    }
    return out;
}

}  // namespace pixmint
