#include "pixmint/pixels/depth_reduction.h"

#include <algorithm>
#include <cstring>

namespace pixmint {

ChannelBits channel_bits(int depth) {
    if (depth == 8) return {3, 3, 2};
    if (depth == 16) return {5, 6, 5};
    return {8, 8, 8};
}

std::uint8_t expand_bits(unsigned code, int bits) {
    unsigned v = 0;
    for (int shift = 8 - bits; shift > -bits; shift -= bits) v |= shift >= 0 ? code << shift : code >> -shift;
    return static_cast<std::uint8_t>(v & 0xFF);
}

DepthReducer::DepthReducer(std::uint32_t width, int depth, bool dither) : width_(width), dither_(dither) {
    const ChannelBits cb = channel_bits(depth);
    copy_ = cb.r == 8;
    bits_ = {cb.r, cb.g, cb.b};
    for (std::size_t c = 0; c < 3; ++c)
        for (unsigned code = 0; code < (1u << bits_[c]); ++code)
            shown_[c][code] = expand_bits(code, bits_[c]);
    if (dither_ && !copy_) {
        cur_.assign((std::size_t{width} + 2) * 3, 0);
        next_.assign(cur_.size(), 0);
    }
}

void DepthReducer::restart() {
    row_ = 0;
    std::fill(cur_.begin(), cur_.end(), 0);
    std::fill(next_.begin(), next_.end(), 0);
}

void DepthReducer::reduce(const std::uint8_t* in, std::uint8_t* out) {
    const std::size_t w = width_;
    if (in != out) std::memcpy(out, in, w * 4);
    if (copy_) return;
    if (!dither_) {
        for (std::size_t i = 0; i < w * 4; i += 4)
            for (std::size_t c = 0; c < 3; ++c)
                out[i + c] = shown_[c][static_cast<std::size_t>(out[i + c] >> (8 - bits_[c]))];
        return;
    }
    // Serpentine Floyd-Steinberg over the three colour components, kept in integers.
    const bool forward = row_ % 2 == 0;
    const std::ptrdiff_t ahead = forward ? 3 : -3;
    for (std::size_t i = 0; i < w; ++i) {
        const std::size_t x = forward ? i : w - 1 - i;
        std::uint8_t* p = out + x * 4;
        int* e = &cur_[(x + 1) * 3];
        int* n = &next_[(x + 1) * 3];
        for (std::size_t c = 0; c < 3; ++c) {
            const int want = std::clamp(p[c] + (e[c] + 8) / 16, 0, 255);
            const int top = (1 << bits_[c]) - 1;
            p[c] = shown_[c][static_cast<std::size_t>((want * top + 127) / 255)];
            const int err = want - p[c];
            const auto k = static_cast<std::ptrdiff_t>(c);
            e[ahead + k] += err * 7;
            n[-ahead + k] += err * 3;
            n[k] += err * 5;
            n[ahead + k] += err;
        }
    }
    std::swap(cur_, next_);
    std::fill(next_.begin(), next_.end(), 0);
    ++row_;
}

RgbaImage reduce_depth(const RgbaImage& img, int depth, bool dither) {
    RgbaImage out = img;
    DepthReducer reducer(img.width, depth, dither);
    for (std::size_t y = 0; y < img.height; ++y) {
        std::uint8_t* row = out.px.data() + y * img.width * 4;
        reducer.reduce(row, row);
    }
    return out;
}

}  // namespace pixmint
