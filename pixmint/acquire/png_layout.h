// What the reference decoder (stb_image) makes of a PNG's chunks before it
// inflates any pixel data: the size, the sample format, the palette and the
// transparent colour exactly as it holds them, and where the compressed
// data lies. A PNG is streamed only when its chunks are plain enough that
// this walk and the reference decoder certainly agree.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixmint {

// A stretch of the file: `length` bytes from `offset`.
struct FileSpan {
    std::uint64_t offset = 0;
    std::uint32_t length = 0;
};

struct PngLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 8;     // bits per sample: 1, 2, 4, 8 or 16
    int color = 0;     // colour type: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    int channels = 0;  // components of a decoded pixel, as the reference decoder returns them

    std::array<std::uint8_t, 256 * 4> palette{};  // RGBA entries, alpha from tRNS (else 255)
    std::uint32_t palette_size = 0;               // entries the PLTE chunk defines

    bool keyed = false;  // a grey or RGB image with one colour made transparent by tRNS
    // The transparent colour as the reference decoder compares it: the 16-bit samples of a 16-bit
    // image; otherwise the low byte of each tRNS value scaled by the depth (1 bit: 255, 2 bits:
    // 85, 4 bits: 17) and cut to 8 bits.
    std::array<std::uint16_t, 3> key{};

    std::vector<FileSpan> data;  // the IDAT chunks' data, in file order
};

// The layout of the PNG whose bytes are `file`, when it may be streamed: not interlaced, an
// IHDR the PNG format allows, chunks in the order the format prescribes, one PLTE at most, no
// tRNS the reference decoder would refuse, consecutive IDAT chunks and an IEND; nullopt for any
// other file, which the reference decoder then reads as it always has.
std::optional<PngLayout> plain_png_layout(std::span<const std::uint8_t> file);

}  // namespace pixmint
