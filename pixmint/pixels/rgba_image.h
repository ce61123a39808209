// Pixels as four 8-bit components each (red, green, blue, alpha): the one
// shape the palette, packing, dithering and preview code works on.
#pragma once

#include <cstdint>
#include <vector>

namespace pixmint {

// A look at RGBA pixels held elsewhere: `height` rows of `width` pixels, rows packed.
struct RgbaView {
    const std::uint8_t* px = nullptr;
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    // Number of pixels.
    std::size_t size() const { return std::size_t{width} * height; }
};

// `height` rows of `width` pixels, rows packed, top row first, 4 bytes a pixel.
struct RgbaImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> px;

    // Number of pixels.
    std::size_t size() const { return std::size_t{width} * height; }
    // The pixels as a view.
    operator RgbaView() const { return {px.data(), width, height}; }
};

// Widens `count` pixels of `channels` (1 grey; 2 grey, alpha; 3 RGB; 4 RGBA) components each to
// RGBA at `out`: grey stands for equal red, green and blue, a missing alpha is 255.
void widen_to_rgba(const std::uint8_t* pixels, int channels, std::size_t count, std::uint8_t* out);

// A whole buffer of `channels` components a pixel widened to RGBA, as widen_to_rgba does.
RgbaImage to_rgba(const std::uint8_t* pixels, std::uint32_t width, std::uint32_t height, int channels);

}  // namespace pixmint
