#include "pixmint/pixels/block_image.h"

#include "common/whole_file.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/indexed_choice.h"
#include "pixmint/pixels/rgb565a8.h"

namespace pixmint {

namespace {

// A raw block is written sixteen bytes a line.
constexpr std::size_t kRawLineBytes = 16;

lvforge::Result<std::optional<BlockImage>, Failure> raw_block(ColorFormat format, const std::string& path) {
    lvforge::WholeFile file;
    if (lvforge::read_whole_file(path.c_str(), file) != lvforge::ReadStatus::ok)
        return fatal(FailureKind::image_load);
    BlockImage out;
    out.format = format;
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.data.get());
    out.bytes.assign(data, data + file.size);
    out.line_bytes = kRawLineBytes;
    return std::optional<BlockImage>(std::move(out));
}

}  // namespace

lvforge::Result<std::optional<BlockImage>, Failure> pack_image(const Encoding& encoding,
                                                               const std::string& image_path,
                                                               const Image& image, const IndexedImage* own) {
    const ColorFormat format = encoding.format;
    const FormatFamily family = family_of(format);
    if (family == FormatFamily::true_color) return std::optional<BlockImage>();
    if (family == FormatFamily::raw) return raw_block(format, image_path);

    BlockImage out;
    out.format = format;
    if (image.pixels == nullptr) {
        // Nothing to settle indexed-auto on (a failed resize, already reported): the largest.
        if (settled_on_image(out.format)) out.format = ColorFormat::indexed_8;
        out.line_bytes = family == FormatFamily::alpha_plane
                             ? std::size_t{image.width} * 2
                             : packed_row_bytes(image.width, bits_of(out.format));
        return std::optional<BlockImage>(std::move(out));
    }
    if (family == FormatFamily::alpha_plane) {
        RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
        // Alpha keeps its 8 bits; only the colours are reduced, so only they are diffused.
        if (encoding.dither) rgba = reduce_depth(rgba, 16, true);
        out.line_bytes = std::size_t{image.width} * 2;
        out.bytes = rgb565a8_bytes(rgba, encoding.swap);
        out.alpha_plane_bytes = rgba.size();
        out.swapped = encoding.swap;
        return std::optional<BlockImage>(std::move(out));
    }
    if (family == FormatFamily::alpha) {
        const int bits = bits_of(format);
        out.line_bytes = packed_row_bytes(image.width, bits);
        out.bytes = alpha_bytes(to_rgba(image.pixels.get(), image.width, image.height, image.channels), bits);
        return std::optional<BlockImage>(std::move(out));
    }
    auto chosen =
        own != nullptr
            ? keep_own_palette(format, *own)
            : index_colors(format, to_rgba(image.pixels.get(), image.width, image.height, image.channels),
                           encoding.dither);
    if (!chosen.ok()) return chosen.error();
    out.format = chosen.value().format;
    const int bits = bits_of(out.format);
    out.line_bytes = packed_row_bytes(image.width, bits);
    out.bytes = indexed_bytes(chosen.value().indexed, image.width, image.height, bits);
    out.palette_bytes = (std::size_t{1} << bits) * 4;
    out.indexed = std::move(chosen.value().indexed);
    return std::optional<BlockImage>(std::move(out));
}

}  // namespace pixmint
