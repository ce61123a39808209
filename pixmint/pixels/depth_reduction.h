// Colours reduced to what an LVGL display of 8 bits (RGB 3-3-2) or 16 bits
// (RGB 5-6-5) can show, optionally with Floyd-Steinberg error diffusion.
#pragma once

#include <cstdint>

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

// Every colour component reduced to the bits of `depth` (8 or 16) and shown as expand_bits
// does; alpha untouched. Without `dither` the low bits are dropped, exactly as the encoders
// drop them; with it, each pixel takes the nearest level and passes its error on to its
// neighbours (Floyd-Steinberg, serpentine rows). Any other depth returns the image unchanged.
RgbaImage reduce_depth(const RgbaImage& img, int depth, bool dither);

}  // namespace pixmint
