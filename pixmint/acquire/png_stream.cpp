#include "pixmint/acquire/png_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "pixmint/acquire/raster_guard.h"
#include "pixmint/acquire/stb_decode.h"
#include "pixmint/pixels/image_rows.h"

namespace pixmint {

PngStream::Context PngStream::start(const SpngLibrary& lib, std::FILE* file,
                                    std::span<const std::uint8_t> memory, const PngLayout& layout) {
    Context ctx(lib.ctx_new(0), ContextRelease{&lib});
    if (ctx == nullptr) return Context(nullptr, ContextRelease{&lib});
    // Checksums are the reference decoder's business as little as ours: it never reads them.
    if (lib.set_crc_action(ctx.get(), SPNG_CRC_USE, SPNG_CRC_USE) != 0)
        return Context(nullptr, ContextRelease{&lib});
    if (memory.empty()) std::rewind(file);
    const int source = memory.empty() ? lib.set_png_file(ctx.get(), file)
                                      : lib.set_png_buffer(ctx.get(), memory.data(), memory.size());
    spng_ihdr ihdr{};
    if (source != 0 || lib.get_ihdr(ctx.get(), &ihdr) != 0 || ihdr.width != layout.width ||
        ihdr.height != layout.height || ihdr.interlace_method != 0 ||
        lib.decode_image(ctx.get(), nullptr, 0, SPNG_FMT_RAW, SPNG_DECODE_PROGRESSIVE) != 0) {
        return Context(nullptr, ContextRelease{&lib});
    }
    return ctx;
}

std::unique_ptr<PngStream> PngStream::open(FileHandle& file, std::span<const std::uint8_t> memory,
                                           const PngLayout& layout) {
    // Loaded here, by the runs that stream a PNG; without it the reference decoder decodes it whole.
    const SpngLibrary* lib = spng_library();
    if (lib == nullptr) return nullptr;
    Context ctx = start(*lib, file.get(), memory, layout);
    if (ctx == nullptr) return nullptr;
    return std::unique_ptr<PngStream>(new PngStream(std::move(file), memory, layout, std::move(ctx)));
}

bool PngStream::rewind() {
    if (failed_) return false;
    ctx_ = start(*ctx_.get_deleter().lib, file_.get(), memory_, layout_);
    next_row_ = 0;
    failed_ = ctx_ == nullptr;
    return !failed_;
}

PngStream::PngStream(FileHandle file, std::span<const std::uint8_t> memory, const PngLayout& layout,
                     Context ctx)
    : file_(std::move(file)),
      memory_(memory),
      layout_(layout),
      convert_(layout_),
      deflate_end_(std::make_unique<DeflateEnd>(layout_, memory_, file_.get())),
      ctx_(std::move(ctx)) {
    if (!convert_.identity()) stored_.resize(convert_.stored_row_bytes());
}

bool PngStream::read(std::uint8_t* rows, std::uint32_t count) {
    if (failed_ || count > layout_.height - next_row_) return false;
    // The second inflate, that finds where the compressed data ends, runs beside the decoding on a
    // thread of its own; without one it runs after the last row.
    if (!checked_ && !end_check_ && next_row_ == 0) {
        end_check_ =
            std::make_unique<Worker>([this] { data_ends_properly_ = deflate_end_->ends_properly(); });
        if (!end_check_->started()) end_check_.reset();
    }
    const std::size_t stored = convert_.stored_row_bytes();
    const std::size_t row_bytes = std::size_t{layout_.width} * static_cast<std::size_t>(layout_.channels);
    for (std::uint32_t i = 0; i < count && !failed_; ++i, ++next_row_) {
        std::uint8_t* out = rows + i * row_bytes;
        std::uint8_t* in = stored_.empty() ? out : stored_.data();
        const int r = ctx_.get_deleter().lib->decode_row(ctx_.get(), in, stored);
        const bool last = next_row_ + 1 == layout_.height;
        failed_ = !(r == 0 || (r == SPNG_EOI && last)) || !convert_.convert(in, out);
    }
    if (failed_) return false;
    // Once the last row is decoded, the stream must end where it should. Once is enough: a later
    // pass over the same bytes decodes them the same way.
    if (checked_ || next_row_ != layout_.height) return true;
    if (end_check_) {
        end_check_->join();
    } else {
        data_ends_properly_ = deflate_end_->ends_properly();
    }
    failed_ = !data_ends_properly_;
    checked_ = !failed_;
    end_check_.reset();
    deflate_end_.reset();
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
