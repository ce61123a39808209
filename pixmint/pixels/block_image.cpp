#include "pixmint/pixels/block_image.h"

#include "common/whole_file.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

namespace {

// A raw block is written sixteen bytes a line.
constexpr std::size_t kRawLineBytes = 16;

lvforge::Result<std::optional<BlockImage>, Failure> raw_block(const std::string& path) {
    lvforge::WholeFile file;
    if (lvforge::read_whole_file(path.c_str(), file) != lvforge::ReadStatus::ok)
        return fatal(FailureKind::image_load);
    BlockImage out;
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.data.get());
    out.bytes.assign(data, data + file.size);
    out.line_bytes = kRawLineBytes;
    return std::optional<BlockImage>(std::move(out));
}

}  // namespace

lvforge::Result<std::optional<BlockImage>, Failure> pack_image(ColorFormat format, bool dither,
                                                               const std::string& image_path,
                                                               const Image& image) {
    const FormatFamily family = family_of(format);
    if (family == FormatFamily::true_color) return std::optional<BlockImage>();
    if (family == FormatFamily::raw) return raw_block(image_path);

    const int bits = bits_of(format);
    BlockImage out;
    out.line_bytes = packed_row_bytes(image.width, bits);
    if (image.pixels == nullptr) return std::optional<BlockImage>(std::move(out));
    const RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (family == FormatFamily::alpha) {
        out.bytes = alpha_bytes(rgba, bits);
    } else {
        auto indexed = build_palette(rgba, bits, dither);
        if (!indexed) return fatal(FailureKind::palette_failed);
        out.bytes = indexed_bytes(*indexed, image.width, image.height, bits);
        out.palette_bytes = (std::size_t{1} << bits) * 4;
        out.indexed = std::move(indexed);
    }
    return std::optional<BlockImage>(std::move(out));
}

}  // namespace pixmint
