// Palettes for the indexed formats: the image's own colours when they fit,
// otherwise a quantized palette, with every pixel's index.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/rgba_image.h"
#include "pixmint/pixels/rgba_rows.h"

namespace pixmint {

// One palette colour.
struct Color32 {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Color32&, const Color32&) = default;
};

// A palette (at most 2^bits colours) and one index into it per pixel, in raster order.
struct IndexedImage {
    std::vector<Color32> palette;
    std::vector<std::uint8_t> index;
};

// The image's distinct RGBA colours in order of first appearance in raster order, or nullopt
// when there are more than `max_colors`.
std::optional<std::vector<Color32>> exact_palette(RgbaRows& rows, std::size_t max_colors);
std::optional<std::vector<Color32>> exact_palette(RgbaView img, std::size_t max_colors);

// exact_palette and the index of every pixel into it, or nullopt when there are more than
// `max_colors` colours.
std::optional<IndexedImage> exact_indexed(RgbaRows& rows, std::size_t max_colors);

// The number of distinct RGBA colours of the image, however many there are.
std::size_t count_colors(RgbaRows& rows);

// Palette of at most 2^bits (bits 1 to 8) colours and the index of every pixel. An image with
// few enough colours keeps them exactly (and `dither` changes nothing, no precision being lost);
// otherwise the colours are quantized, with error diffusion when `dither`, and fully transparent
// pixels, if any, all take one entry of alpha 0 kept for them. The same input gives the same
// result. nullopt when the quantizer fails: it can't be loaded, or it ran out of memory. The rows
// are read in a few passes, each from the top.
std::optional<IndexedImage> build_palette(RgbaRows& rows, int bits, bool dither);
std::optional<IndexedImage> build_palette(RgbaView img, int bits, bool dither);

// Each pixel of `img` (`width` x `height`) as its palette colour; an index past the palette
// stands for zero, as LVGL's unused palette entries are.
RgbaImage expand_palette(const IndexedImage& img, std::uint32_t width, std::uint32_t height);

}  // namespace pixmint
