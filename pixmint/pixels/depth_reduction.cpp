#include "pixmint/pixels/depth_reduction.h"

#include <algorithm>
#include <array>

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

namespace {

// Bits kept and the shown value of every code, per colour component.
struct Levels {
    std::array<int, 3> bits;
    std::array<std::array<std::uint8_t, 256>, 3> shown{};

    explicit Levels(const ChannelBits& cb) : bits{cb.r, cb.g, cb.b} {
        for (std::size_t c = 0; c < 3; ++c)
            for (unsigned code = 0; code < (1u << bits[c]); ++code)
                shown[c][code] = expand_bits(code, bits[c]);
    }
};

// Serpentine Floyd-Steinberg over the three colour components. Errors are
// kept in sixteenths so that the whole walk stays in integers.
void diffuse(RgbaImage& img, const Levels& lv) {
    const std::size_t w = img.width;
    // Error owed to the current and the next row, per pixel and component, with
    // one spare pixel on each side so that the edges need no tests.
    std::vector<int> cur((w + 2) * 3), next((w + 2) * 3);
    for (std::size_t y = 0; y < img.height; ++y) {
        const bool forward = y % 2 == 0;
        const std::ptrdiff_t ahead = forward ? 3 : -3;
        for (std::size_t i = 0; i < w; ++i) {
            const std::size_t x = forward ? i : w - 1 - i;
            std::uint8_t* p = &img.px[(y * w + x) * 4];
            int* e = &cur[(x + 1) * 3];
            int* n = &next[(x + 1) * 3];
            for (std::size_t c = 0; c < 3; ++c) {
                const int want = std::clamp(p[c] + (e[c] + 8) / 16, 0, 255);
                const int top = (1 << lv.bits[c]) - 1;
                p[c] = lv.shown[c][static_cast<std::size_t>((want * top + 127) / 255)];
                const int err = want - p[c];
                const auto k = static_cast<std::ptrdiff_t>(c);
                e[ahead + k] += err * 7;
                n[-ahead + k] += err * 3;
                n[k] += err * 5;
                n[ahead + k] += err;
            }
        }
        std::swap(cur, next);
        std::fill(next.begin(), next.end(), 0);
    }
}

}  // namespace

RgbaImage reduce_depth(const RgbaImage& img, int depth, bool dither) {
    const ChannelBits cb = channel_bits(depth);
    RgbaImage out = img;
    if (cb.r == 8) return out;
    const Levels lv(cb);
    if (dither) {
        diffuse(out, lv);
        return out;
    }
    for (std::size_t i = 0; i < out.px.size(); i += 4)
        for (std::size_t c = 0; c < 3; ++c) {
            std::uint8_t& v = out.px[i + c];
            v = lv.shown[c][static_cast<unsigned>(v >> (8 - lv.bits[c]))];
        }
    return out;
}

}  // namespace pixmint
