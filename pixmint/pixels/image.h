// A decoded or resampled image: its own size, channel count and pixels.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace pixmint {

// Releases pixel memory with the call that matches its allocation: std::free for buffers
// allocated here, stbi_image_free for the decoder's.
struct PixelRelease {
    void (*release)(void*) = std::free;
    void operator()(std::uint8_t* p) const { release(p); }
};

// Owned pixel memory.
using PixelBuffer = std::unique_ptr<std::uint8_t[], PixelRelease>;

// Non-owning look at pixels: height rows of width pixels of channels bytes (1 grey; 2 grey,
// alpha; 3 red, green, blue; 4 red, green, blue, alpha), rows packed, top row first.
struct PixelView {
    const std::uint8_t* data = nullptr;  // null: no pixels
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int channels = 0;
};

// An image and the memory that holds it.
struct Image {
    std::uint32_t width = 0;   // pixel columns
    std::uint32_t height = 0;  // pixel rows
    int channels = 0;          // bytes per pixel, 1 to 4
    PixelBuffer pixels;        // null when no pixels could be had (a failed resize)

    // The pixels with this image's geometry.
    PixelView view() const { return {pixels.get(), width, height, channels}; }
};

}  // namespace pixmint
