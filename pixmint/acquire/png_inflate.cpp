#include "pixmint/acquire/png_inflate.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace pixmint {

namespace {
constexpr std::size_t kPiece = std::size_t{64} << 10;
}  // namespace

PngInflate::PngInflate(const PngLayout& layout, std::span<const std::uint8_t> memory, std::FILE* file)
    : layout_(layout), memory_(memory), fd_(file != nullptr ? ::fileno(file) : -1), in_(kPiece) {
    if (!read_header()) return;
    initialised_ = inflateInit2(&zs_, -15) == Z_OK;
    ready_ = initialised_;
}

PngInflate::~PngInflate() {
    if (initialised_) inflateEnd(&zs_);
}

bool PngInflate::read_header() {
    std::uint8_t head[2] = {0, 0};
    for (std::uint8_t& b : head) {
        if (!feed()) return false;
        b = *zs_.next_in++;
        --zs_.avail_in;
    }
    const unsigned cmf = head[0], flg = head[1];
    return (cmf * 256 + flg) % 31 == 0 && (flg & 32) == 0 && (cmf & 15) == 8;
}

bool PngInflate::restart() {
    if (!initialised_) return false;
    span_ = 0;
    span_read_ = 0;
    zs_.avail_in = 0;
    ended_ = false;
    refused_ = false;
    ready_ = read_header() && inflateReset(&zs_) == Z_OK;
    return ready_;
}

bool PngInflate::feed() {
    if (zs_.avail_in > 0) return true;
    while (span_ < layout_.data.size() && span_read_ == layout_.data[span_].length) {
        ++span_;
        span_read_ = 0;
    }
    if (span_ == layout_.data.size()) return false;
    const FileSpan& s = layout_.data[span_];
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, s.length - span_read_));
    const std::uint64_t at = s.offset + span_read_;
    if (!memory_.empty()) {
        if (at + n > memory_.size()) return false;
        // Read where it lies: zlib does not write to its input.
        zs_.next_in = const_cast<std::uint8_t*>(memory_.data() + at);
    } else if (fd_ < 0 || ::pread(fd_, in_.data(), n, static_cast<off_t>(at)) != static_cast<ssize_t>(n)) {
        return false;
    } else {
        zs_.next_in = in_.data();
    }
    span_read_ += n;
    zs_.avail_in = static_cast<uInt>(n);
    return true;
}

std::size_t PngInflate::inflate_into(std::uint8_t* out, std::size_t n) {
    zs_.next_out = out;
    zs_.avail_out = static_cast<uInt>(n);
    while (zs_.avail_out > 0 && !ended_ && !refused_) {
        if (!feed()) {
            refused_ = true;
            break;
        }
        const int r = inflate(&zs_, Z_NO_FLUSH);
        if (r == Z_STREAM_END) {
            ended_ = true;
        } else if (r != Z_OK && r != Z_BUF_ERROR) {
            refused_ = true;
        }
    }
    return n - zs_.avail_out;
}

bool PngInflate::read(std::uint8_t* out, std::size_t n) {
    return ready_ && inflate_into(out, n) == n;
}

bool PngInflate::ends_properly() {
    if (!ready_) return false;
    std::uint8_t discard[4096];
    while (!ended_ && !refused_) inflate_into(discard, sizeof discard);
    return ended_ && bytes_left() >= 2;
}

std::uint64_t PngInflate::bytes_left() const {
    std::uint64_t left = zs_.avail_in;
    for (std::size_t i = span_; i < layout_.data.size(); ++i)
        left += layout_.data[i].length - (i == span_ ? span_read_ : 0);
    return left;
}

}  // namespace pixmint
