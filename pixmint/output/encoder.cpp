#include "pixmint/output/encoder.h"

#include <algorithm>
#include <cstring>

#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/v9_formats.h"

namespace pixmint {

namespace {

// Bytes the pixels of one row take, before any padding.
std::size_t pixel_bytes(const Encoder& encoder, std::uint32_t width) {
    switch (encoder.kind) {
        case Encoder::Kind::true_color:
            return std::size_t{width} * true_color_pixel_bytes(encoder.layout);
        case Encoder::Kind::v9_color:
            return std::size_t{width} * static_cast<std::size_t>(bits_of(encoder.format) / 8);
        case Encoder::Kind::alpha:
        case Encoder::Kind::indexed:
            break;
    }
    return packed_row_bytes(width, encoder.bits);
}

}  // namespace

std::size_t encoded_row_bytes(const Encoder& encoder, std::uint32_t width) {
    return encoder.stride != 0 ? encoder.stride : pixel_bytes(encoder, width);
}

void encode_rows(const Encoder& encoder, const StageRows& rows, std::uint8_t* out) {
    const std::size_t out_row = encoded_row_bytes(encoder, rows.width);
    const std::size_t padding = out_row - pixel_bytes(encoder, rows.width);
    for (std::size_t y = 0; y < rows.count; ++y, out += out_row) {
        const std::size_t pixel = y * rows.width;
        switch (encoder.kind) {
            case Encoder::Kind::true_color:
                encode_true_color(rows.at_depth(encoder.layout.depth) + pixel * 4, rows.width, encoder.layout,
                                  out);
                break;
            case Encoder::Kind::alpha:
                pack_alpha_row(rows.rgba + pixel * 4, rows.width, encoder.bits, out);
                break;
            case Encoder::Kind::indexed:
                pack_row(rows.source + pixel, rows.width, encoder.bits, out);
                break;
            case Encoder::Kind::v9_color:
                encode_v9_row(rows.at_depth(v9_color_depth(encoder.format)) + pixel * 4, rows.width,
                              encoder.format, encoder.premultiply, out);
                break;
        }
        if (padding != 0) std::memset(out + (out_row - padding), 0, padding);
    }
}

std::size_t EncoderSet::add(const Encoder& encoder) {
    const auto it = std::find(all_.begin(), all_.end(), encoder);
    if (it != all_.end()) return static_cast<std::size_t>(it - all_.begin());
    all_.push_back(encoder);
    return all_.size() - 1;
}

StageNeeds EncoderSet::needs() const {
    StageNeeds needs;
    for (const Encoder& e : all_) {
        if (e.kind == Encoder::Kind::indexed) continue;
        needs.rgba = true;
        const int depth = e.kind == Encoder::Kind::true_color ? e.layout.depth
                          : e.kind == Encoder::Kind::v9_color ? v9_color_depth(e.format)
                                                              : 32;
        if (depth == 8) needs.depth8 = true;
        if (depth == 16) needs.depth16 = true;
    }
    return needs;
}

}  // namespace pixmint
