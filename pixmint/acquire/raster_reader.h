// A cursor over a raster file's bytes that reads them the way the decoder
// does, shared by the raster guard's walks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pixmint {

// Reads a file as the decoder does: a read past the end yields 0 and a skip past the end (or
// backwards) lands on the end. Keeping those rules is what keeps the walks in step with the
// decoder on malformed input.
class RasterReader {
   public:
    // A cursor at the first byte of `file`, which must outlive it.
    explicit RasterReader(std::span<const std::uint8_t> file) : file_(file) {}

    // The next byte, or 0 past the end.
    std::uint8_t u8() { return pos_ < file_.size() ? file_[pos_++] : 0; }
    // Big- and little-endian 16- and 32-bit values, byte by byte as u8() reads them.
    std::uint32_t u16be() {
        const std::uint32_t hi = u8();
        return (hi << 8) | u8();
    }
    std::uint32_t u32be() {
        const std::uint32_t hi = u16be();
        return (hi << 16) | u16be();
    }
    std::uint32_t u16le() {
        const std::uint32_t lo = u8();
        return lo | (std::uint32_t{u8()} << 8);
    }
    std::uint32_t u32le() {
        const std::uint32_t lo = u16le();
        return lo | (u16le() << 16);
    }
    // Moves on `n` bytes; to the end when `n` is negative or reaches past it.
    void skip(std::int64_t n) {
        const std::size_t left = file_.size() - pos_;
        pos_ = (n < 0 || static_cast<std::uint64_t>(n) >= left) ? file_.size()
                                                                : pos_ + static_cast<std::size_t>(n);
    }
    // Whether every byte has been read.
    bool at_end() const { return pos_ >= file_.size(); }
    // Bytes read so far.
    std::size_t pos() const { return pos_; }
    // Bytes not read yet.
    std::size_t left() const { return file_.size() - pos_; }
    // Bytes of the whole file.
    std::size_t size() const { return file_.size(); }
    // Whether the file begins with the bytes of `magic`.
    bool starts_with(std::string_view magic) const {
        return file_.size() >= magic.size() &&
               std::equal(magic.begin(), magic.end(), file_.begin(),
                          [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
    }

   private:
    std::span<const std::uint8_t> file_;
    std::size_t pos_ = 0;
};

}  // namespace pixmint
