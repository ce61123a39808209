// Rows of an image on their way from the decoder to the outputs: read top row first, in chunks,
// whether they are decoded as they are read or were decoded whole beforehand.
#pragma once

#include <cstdint>
#include <memory>

namespace pixmint {

class RowSource {
   public:
    virtual ~RowSource() = default;

    // Pixel columns, rows, and bytes per pixel (1 grey; 2 grey, alpha; 3 RGB; 4 RGBA).
    virtual std::uint32_t width() const = 0;
    virtual std::uint32_t height() const = 0;
    virtual int channels() const = 0;

    // False for an image that has a size but no pixels (its resampling failed): nothing to read.
    virtual bool has_pixels() const { return true; }

    // Every row, packed, when they are all in memory already; null for a source that decodes
    // them as they are read.
    virtual const std::uint8_t* pixels() const = 0;

    // Decodes the next `count` rows into `rows` (count x width x channels bytes); false when
    // they can't be decoded, after which the source gives nothing more.
    virtual bool read(std::uint8_t* rows, std::uint32_t count) = 0;

    // Starts again at the top row, for work that passes over the image more than once; false when
    // the source can't.
    virtual bool rewind() { return false; }

    // The whole image decoded again the reference way, for a source whose read() failed part way
    // (the reference decoder may accept what this one refused); null when there is no other way
    // or that one fails too.
    virtual std::unique_ptr<RowSource> decode_again() { return nullptr; }
};

}  // namespace pixmint
