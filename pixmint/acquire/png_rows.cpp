#include "pixmint/acquire/png_rows.h"

#include <algorithm>
#include <cstring>

namespace pixmint {

namespace {

// Samples per pixel as stored.
int stored_samples(int color) {
    switch (color) {
        case 2:
            return 3;
        case 4:
            return 2;
        case 6:
            return 4;
        default:
            return 1;
    }
}

// Sample `i` of a row of samples `depth` bits each, most significant bits first.
unsigned sample(const std::uint8_t* row, std::size_t i, int depth) {
    if (depth == 8) return row[i];
    if (depth == 16) return unsigned{row[i * 2]} << 8 | row[i * 2 + 1];
    const std::size_t bit = i * static_cast<std::size_t>(depth);
    return (row[bit / 8] >> (8 - depth - static_cast<int>(bit % 8))) & ((1u << depth) - 1);
}

}  // namespace

PngRowConverter::PngRowConverter(const PngLayout& layout)
    : layout_(layout),
      stored_(
          (std::size_t{layout.width} * static_cast<std::size_t>(stored_samples(layout.color) * layout.depth) +
           7) /
          8),
      identity_(layout.depth == 8 && layout.color != 3 && !layout.keyed) {}

std::size_t PngRowConverter::stored_pixel_bytes() const {
    return std::max<std::size_t>(1,
                                 static_cast<std::size_t>(stored_samples(layout_.color) * layout_.depth) / 8);
}

bool PngRowConverter::convert(const std::uint8_t* in, std::uint8_t* out) const {
    const PngLayout& l = layout_;
    const std::size_t w = l.width;
    if (identity_) {
        if (in != out) std::memcpy(out, in, stored_);
        return true;
    }
    if (l.color == 3) {
        const int n = l.channels;
        for (std::size_t x = 0; x < w; ++x, out += n) {
            const unsigned index = sample(in, x, l.depth);
            if (index >= l.palette_size) return false;
            std::memcpy(out, &l.palette[index * 4], static_cast<std::size_t>(n));
        }
        return true;
    }
    const int samples = stored_samples(l.color);
    // Grey below 8 bits is scaled up to the full range; 16-bit samples keep their high byte.
    const unsigned scale = l.color == 0 && l.depth < 8 ? 255u / ((1u << l.depth) - 1) : 1u;
    for (std::size_t x = 0; x < w; ++x) {
        bool transparent = l.keyed;
        for (int k = 0; k < samples; ++k) {
            const unsigned v =
                sample(in, x * static_cast<std::size_t>(samples) + static_cast<std::size_t>(k), l.depth);
            const unsigned shown = l.depth == 16 ? v >> 8 : v * scale;
            // The key is compared with the samples as the decoder holds them before cutting to 8 bits.
            if (transparent && (l.depth == 16 ? v : (shown & 255u)) != l.key[static_cast<std::size_t>(k)])
                transparent = false;
            *out++ = static_cast<std::uint8_t>(shown);
        }
        if (l.keyed) *out++ = transparent ? 0 : 255;
    }
    return true;
}

}  // namespace pixmint
