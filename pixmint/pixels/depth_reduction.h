// Colours reduced to what an LVGL display of 8 bits (RGB 3-3-2) or 16 bits
// (RGB 5-6-5) can show, optionally with Floyd-Steinberg error diffusion.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// Bits of red, green and blue at one colour depth.
struct ChannelBits {
    int r, g, b;
};

// 3-3-2 for depth 8, 5-6-5 for depth 16; 8-8-8 otherwise.
ChannelBits channel_bits(int depth);

// The 8-bit value shown for an n-bit `code` (its bits repeated downwards), so that dropping
// the low bits of the result gives `code` back.
std::uint8_t expand_bits(unsigned code, int bits);

// Rows of RGBA pixels reduced to the colours of `depth` (8 or 16), one after another from the
// top, each colour component shown as expand_bits does and alpha untouched. Without dithering
// the low bits are dropped, exactly as the encoders drop them; with it, each pixel takes the
// nearest level and passes its error on to its neighbours (Floyd-Steinberg, serpentine rows),
// the error owed to the next row carried from one call to the next. Any other depth copies.
class DepthReducer {
   public:
    DepthReducer(std::uint32_t width, int depth, bool dither);

    // Reduces the next row of `width` RGBA pixels from `in` into `out` (which may be `in`).
    void reduce(const std::uint8_t* in, std::uint8_t* out);
    // Starts again at the top row, no error owed.
    void restart();

   private:
    std::uint32_t width_;
    bool dither_;
    bool copy_;
    std::array<int, 3> bits_{};
    std::array<std::array<std::uint8_t, 256>, 3> shown_{};
    std::uint32_t row_ = 0;
    // Error owed to the current and the next row, in sixteenths, per pixel and component, with
    // one spare pixel on each side so that the edges need no tests.
    std::vector<int> cur_, next_;
};

// A whole image reduced as DepthReducer reduces its rows.
RgbaImage reduce_depth(const RgbaImage& img, int depth, bool dither);

}  // namespace pixmint
