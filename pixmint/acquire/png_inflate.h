// A PNG's compressed image data inflated in order, as the reference decoder
// inflates it: the two-byte zlib header checked as it checks it, the rest
// raw deflate, the checksum never looked at (the reference decoder ignores
// it, and it may be missing). The same inflate that gives the scanlines
// then finds where the data ends, which the reference decoder needs: it
// refuses a stream that breaks off after its last row and before its final
// block is complete.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "pixmint/acquire/png_layout.h"

namespace pixmint {

class PngInflate {
   public:
    // The compressed data of the PNG laid out as `layout` (which outlives this), read from `memory`
    // when it holds the file, else from `file` (without moving its position).
    PngInflate(const PngLayout& layout, std::span<const std::uint8_t> memory, std::FILE* file);
    ~PngInflate();
    PngInflate(const PngInflate&) = delete;
    PngInflate& operator=(const PngInflate&) = delete;

    // Whether the data's zlib header was sound (and inflating could begin).
    bool ready() const { return ready_; }

    // Starts again from the data's first byte, allocating nothing: a pass that runs on a thread of
    // its own must not fail for want of memory there. False when the header is refused.
    bool restart();

    // Inflates the next `n` bytes into `out`; false when the data is corrupt, can't be read, or ends
    // (its final block, or the file's data) before them.
    bool read(std::uint8_t* out, std::size_t n);

    // Inflates whatever follows, thrown away; true when the stream's final block ends within the
    // data and at least two bytes follow it (the checksum's, normally). The reference decoder
    // refuses to decode a code with fewer than 16 bits of data left after its start: a stream
    // whose checksum is cut off may decode fine in zlib and not in the reference, so such a
    // stream is left to the reference.
    bool ends_properly();

   private:
    // Reads and checks the two-byte zlib header; false when it is refused or can't be read.
    bool read_header();
    // Feeds the next piece of compressed data; false when there is none left (or it can't be read).
    bool feed();
    // Inflates into `out` until `n` bytes are there, the final block ends or the data is refused;
    // the bytes inflated.
    std::size_t inflate_into(std::uint8_t* out, std::size_t n);
    // Bytes of compressed data not yet fed or not yet consumed.
    std::uint64_t bytes_left() const;

    const PngLayout& layout_;
    std::span<const std::uint8_t> memory_;
    int fd_;
    z_stream zs_{};
    bool initialised_ = false;  // zs_ holds zlib's state, to be ended
    bool ready_ = false;
    bool ended_ = false;           // the final block has ended
    bool refused_ = false;         // zlib refused the data, or it could not be read
    std::size_t span_ = 0;         // the data span being read
    std::uint64_t span_read_ = 0;  // bytes of it fed so far
    std::vector<std::uint8_t> in_;
};

}  // namespace pixmint
