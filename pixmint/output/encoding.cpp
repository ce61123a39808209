#include "pixmint/output/encoding.h"

#include <algorithm>

#include "pixmint/pixels/bit_packing.h"

namespace pixmint {

std::size_t encoded_row_bytes(const Encoding& encoding, std::uint32_t width) {
    switch (encoding.kind) {
        case Encoding::Kind::true_color:
            return std::size_t{width} * true_color_pixel_bytes(encoding.layout);
        case Encoding::Kind::alpha:
        case Encoding::Kind::indexed:
            break;
    }
    return packed_row_bytes(width, encoding.bits);
}

void encode_rows(const Encoding& encoding, const StageRows& rows, std::uint8_t* out) {
    const std::size_t out_row = encoded_row_bytes(encoding, rows.width);
    for (std::size_t y = 0; y < rows.count; ++y, out += out_row) {
        const std::size_t pixel = y * rows.width;
        switch (encoding.kind) {
            case Encoding::Kind::true_color:
                encode_true_color(rows.at_depth(encoding.layout.depth) + pixel * 4, rows.width,
                                  encoding.layout, out);
                break;
            case Encoding::Kind::alpha:
                pack_alpha_row(rows.rgba + pixel * 4, rows.width, encoding.bits, out);
                break;
            case Encoding::Kind::indexed:
                pack_row(rows.source + pixel, rows.width, encoding.bits, out);
                break;
        }
    }
}

std::size_t EncodingSet::add(const Encoding& encoding) {
    const auto it = std::find(all_.begin(), all_.end(), encoding);
    if (it != all_.end()) return static_cast<std::size_t>(it - all_.begin());
    all_.push_back(encoding);
    return all_.size() - 1;
}

StageNeeds EncodingSet::needs() const {
    StageNeeds needs;
    for (const Encoding& e : all_) {
        if (e.kind == Encoding::Kind::indexed) continue;
        needs.rgba = true;
        if (e.kind == Encoding::Kind::true_color && e.layout.depth == 8) needs.depth8 = true;
        if (e.kind == Encoding::Kind::true_color && e.layout.depth == 16) needs.depth16 = true;
    }
    return needs;
}

}  // namespace pixmint
