#include "pixmint/acquire/png_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "pixmint/acquire/png_unfilter.h"
#include "pixmint/acquire/raster_guard.h"
#include "pixmint/acquire/stb_decode.h"
#include "pixmint/pixels/image_rows.h"

namespace pixmint {

std::unique_ptr<PngStream> PngStream::open(FileHandle& file, std::span<const std::uint8_t> memory,
                                           const PngLayout& layout) {
    if (!PngInflate(layout, memory, file.get()).ready()) return nullptr;
    return std::unique_ptr<PngStream>(new PngStream(std::move(file), memory, layout));
}

PngStream::PngStream(FileHandle file, std::span<const std::uint8_t> memory, const PngLayout& layout)
    : file_(std::move(file)),
      memory_(memory),
      layout_(layout),
      convert_(layout_),
      scanline_(convert_.stored_row_bytes() + 1),
      row_(convert_.stored_row_bytes()),
      prior_(convert_.stored_row_bytes()) {
    failed_ = !start();
}

bool PngStream::start() {
    // The first pass makes the inflater; later passes, perhaps on a thread of their own, reuse it.
    if (inflate_ == nullptr) {
        inflate_ = std::make_unique<PngInflate>(layout_, memory_, file_.get());
    } else {
        inflate_->restart();
    }
    std::fill(prior_.begin(), prior_.end(), std::uint8_t{0});
    next_row_ = 0;
    return inflate_->ready();
}

bool PngStream::rewind() {
    if (failed_) return false;
    failed_ = !start();
    return !failed_;
}

bool PngStream::read(std::uint8_t* rows, std::uint32_t count) {
    if (failed_ || count > layout_.height - next_row_) return false;
    const std::size_t stored = convert_.stored_row_bytes();
    const std::size_t row_bytes = std::size_t{layout_.width} * static_cast<std::size_t>(layout_.channels);
    for (std::uint32_t i = 0; i < count && !failed_; ++i, ++next_row_) {
        failed_ = !inflate_->read(scanline_.data(), scanline_.size()) ||
                  !unfilter_scanline(scanline_.data(), prior_.data(), row_.data(), stored,
                                     convert_.stored_pixel_bytes()) ||
                  !convert_.convert(row_.data(), rows + i * row_bytes);
        row_.swap(prior_);
    }
    if (failed_) return false;
    // Once the last row is decoded, the stream must end where it should. Once is enough: a later
    // pass over the same bytes decodes them the same way.
    if (checked_ || next_row_ != layout_.height) return true;
    failed_ = !inflate_->ends_properly();
    checked_ = !failed_;
    return !failed_;
}

std::unique_ptr<RowSource> PngStream::decode_again() {
    // The stream left the guard's look at the compressed data to its own decoding: the reference
    // decoder sees the file only once the whole walk has passed it.
    std::vector<std::uint8_t> read;
    std::span<const std::uint8_t> bytes = memory_;
    if (bytes.empty()) {
        struct stat st {};
        const int fd = ::fileno(file_.get());
        if (::fstat(fd, &st) != 0 || st.st_size < 0) return nullptr;
        read.resize(static_cast<std::size_t>(st.st_size));
        if (::pread(fd, read.data(), read.size(), 0) != static_cast<ssize_t>(read.size())) return nullptr;
        bytes = read;
    }
    if (check_raster(bytes) != RasterVerdict::decodable) return nullptr;
    read = std::vector<std::uint8_t>();
    auto decoded = stb_decode(file_.get(), memory_);
    if (!decoded.ok()) return nullptr;
    return std::make_unique<ImageRows>(std::move(decoded.value()));
}

}  // namespace pixmint
