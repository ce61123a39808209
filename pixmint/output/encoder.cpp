#include "pixmint/output/encoder.h"

#include <algorithm>

#include "pixmint/pixels/bit_packing.h"

namespace pixmint {

std::size_t encoded_row_bytes(const Encoder& encoder, std::uint32_t width) {
    switch (encoder.kind) {
        case Encoder::Kind::true_color:
            return std::size_t{width} * true_color_pixel_bytes(encoder.layout);
        case Encoder::Kind::alpha:
        case Encoder::Kind::indexed:
            break;
    }
    return packed_row_bytes(width, encoder.bits);
}

void encode_rows(const Encoder& encoder, const StageRows& rows, std::uint8_t* out) {
    const std::size_t out_row = encoded_row_bytes(encoder, rows.width);
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
        }
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
        if (e.kind == Encoder::Kind::true_color && e.layout.depth == 8) needs.depth8 = true;
        if (e.kind == Encoder::Kind::true_color && e.layout.depth == 16) needs.depth16 = true;
    }
    return needs;
}

}  // namespace pixmint
