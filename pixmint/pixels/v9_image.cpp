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

lvforge::Result<V9Block, Failure> pixel_block(const Options& options, const Image& image) {
    const FormatFamily family = family_of(options.format);
    if (family == FormatFamily::raw) {
        auto raw = pack_image(options, image);
        if (!raw.ok()) return raw.error();
        V9Block out;
        if (raw.value()) out.bytes = std::move(raw.value()->bytes);
        return out;
    }
    if (image.pixels == nullptr) {
        V9Block out;
        out.stride = v9_stride(image.width, bits_of(options.format), options.align);
        return out;
    }
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (family == FormatFamily::indexed) {
        const int bits = bits_of(options.format);
        const auto indexed = build_palette(rgba, bits, options.dither);
        if (!indexed) return fatal(FailureKind::palette_failed);
        return v9_indexed_block(*indexed, image.width, image.height, bits, options.align,
                                options.premultiply);
    }
    if (options.dither && has_16bit_color(options.format)) rgba = reduce_depth(rgba, 16, true);
    return v9_pixel_block(rgba, options.format, options.align, options.premultiply);
}

}  // namespace

lvforge::Result<V9Image, Failure> encode_v9_image(const Options& options, const Image& image) {
    auto block = pixel_block(options, image);
    if (!block.ok()) return block.error();
    V9Image out;
    out.width = image.width;
    out.height = image.height;
    out.block = std::move(block.value());
    if (options.premultiply) out.flags |= kV9FlagPremultiplied;
    if (options.compression != Compression::none) {
        auto packed = compressed_block(out.block.bytes, options.compression, rle_unit_of(options.format));
        if (!packed) return fatal(FailureKind::compress_failed);
        out.compressed = std::move(*packed);
        out.flags |= kV9FlagCompressed;
    }
    return out;
}

}  // namespace pixmint
