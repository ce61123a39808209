#include "pixmint/output/v9_block.h"

#include <algorithm>

#include "pixmint/pixels/compressed_block.h"
#include "pixmint/pixels/stride.h"
#include "pixmint/pixels/v9_formats.h"

namespace pixmint {

V9Layout lay_out_v9(ColorFormat format, std::uint32_t width, std::uint32_t height, bool has_pixels,
                    std::vector<std::uint8_t> palette, std::size_t raw_bytes, const V9Choices& choices,
                    EncoderSet& encoders) {
    V9Layout out;
    out.format = format;
    out.width = width;
    out.height = height;
    out.compression = choices.compression;
    if (choices.premultiply) out.flags |= kV9FlagPremultiplied;
    if (choices.compression != Compression::none) out.flags |= kV9FlagCompressed;
    const FormatFamily family = family_of(format);
    if (family == FormatFamily::raw) {
        out.size = raw_bytes;
        return out;
    }
    const int bits = bits_of(format);
    out.stride = v9_stride(width, bits, choices.align);
    if (!has_pixels) return out;
    out.palette = std::move(palette);
    out.size = out.palette.size();
    const auto add_plane = [&](const Encoder& e) {
        out.planes.push_back({encoders.add(e), e.stride, out.size});
        out.size += std::uint64_t{e.stride} * height;
    };
    switch (family) {
        case FormatFamily::indexed:
            add_plane({.kind = Encoder::Kind::indexed, .bits = bits, .stride = out.stride});
            break;
        case FormatFamily::alpha:
            add_plane({.kind = Encoder::Kind::alpha, .bits = bits, .stride = out.stride});
            break;
        case FormatFamily::direct:
        case FormatFamily::alpha_plane:
            add_plane({.kind = Encoder::Kind::v9_color,
                       .format = format,
                       .premultiply = choices.premultiply,
                       .stride = out.stride});
            // rgb565a8's alpha plane: a byte a pixel, in rows of half the colours' stride.
            if (format == ColorFormat::rgb565a8)
                add_plane({.kind = Encoder::Kind::alpha, .bits = 8, .stride = out.stride / 2});
            break;
        case FormatFamily::true_color:  // v7's and v8's alone; the command line refuses it
        case FormatFamily::raw:
            break;
    }
    return out;
}

V9BlockBuffer::V9BlockBuffer(const V9Layout& layout) : layout_(layout), bytes_(layout.size) {
    std::copy(layout.palette.begin(), layout.palette.end(), bytes_.begin());
}

void V9BlockBuffer::take(const EncodedChunk& chunk) {
    for (const V9Layout::Plane& plane : layout_.planes) {
        const std::uint8_t* rows = chunk.bytes(plane.encoder);
        std::copy_n(rows, plane.row_bytes * chunk.rows.count,
                    bytes_.begin() + static_cast<std::ptrdiff_t>(
                                         plane.offset + std::uint64_t{chunk.rows.first} * plane.row_bytes));
    }
}

std::optional<std::vector<std::uint8_t>> V9BlockBuffer::compressed() const {
    return compressed_block(bytes_, layout_.compression, rle_unit_of(layout_.format));
}

}  // namespace pixmint
