// The end of a PNG's compressed image data, checked the way the reference
// decoder needs it: the streaming decoder stops reading once it has every
// row, but the reference decoder refuses a stream that breaks off after its
// last row and before its final block is complete. So the data is inflated
// once more beside the rows, its output thrown away, up to the stream's
// proper end.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

#include "pixmint/acquire/png_layout.h"

namespace pixmint {

class DeflateEnd {
   public:
    // The compressed data of the PNG laid out as `layout` says, read from `memory` when it holds
    // the file, else from `file` (without moving its position).
    DeflateEnd(const PngLayout& layout, std::span<const std::uint8_t> memory, std::FILE* file);
    ~DeflateEnd();
    DeflateEnd(const DeflateEnd&) = delete;
    DeflateEnd& operator=(const DeflateEnd&) = delete;

    // Inflates the rest; true when the stream's final block ends within the data and at least two
    // bytes follow it (the checksum's, normally). The reference decoder refuses to decode a code
    // with fewer than 16 bits of data left after its start: a stream whose checksum is cut off may
    // decode fine in zlib and not in the reference, so such a stream is left to the reference.
    bool ends_properly();

   private:
    // Feeds the next piece of compressed data; false when there is none left (or it can't be read).
    bool feed();
    // One step of inflating; false on corrupt data.
    bool step();
    // Bytes of compressed data not yet fed or not yet consumed.
    std::uint64_t bytes_left() const;

    const PngLayout& layout_;
    std::span<const std::uint8_t> memory_;
    int fd_;
    z_stream zs_{};
    bool ready_ = false;
    bool ended_ = false;
    std::size_t span_ = 0;         // the data span being read
    std::uint64_t span_read_ = 0;  // bytes of it fed so far
    std::vector<std::uint8_t> in_, out_;
};

}  // namespace pixmint
