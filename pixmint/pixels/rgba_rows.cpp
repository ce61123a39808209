#include "pixmint/pixels/rgba_rows.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "pixmint/pixels/hand_off.h"
#include "pixmint/pixels/worker.h"

namespace pixmint {

namespace {

// Rows in memory of fewer than four channels, widened one at a time.
class WidenedRows final : public RgbaRows {
   public:
    explicit WidenedRows(const RowSource& source) : source_(source), row_(std::size_t{source.width()} * 4) {}
    std::uint32_t width() const override { return source_.width(); }
    std::uint32_t height() const override { return source_.height(); }
    const std::uint8_t* row(std::uint32_t y) override {
        const std::size_t w = source_.width(), c = static_cast<std::size_t>(source_.channels());
        widen_to_rgba(source_.pixels() + y * w * c, source_.channels(), w, row_.data());
        return row_.data();
    }

   private:
    const RowSource& source_;
    std::vector<std::uint8_t> row_;
};

constexpr std::size_t kChunkBytes = std::size_t{256} << 10;
constexpr std::size_t kChunksAhead = 4;

// A stream decoded pass after pass, from its first row to its last and then again from the first,
// into chunks of RGBA rows: ahead of the reader on a thread of its own, or else here, on demand.
class StreamedRows final : public RgbaRows {
   public:
    explicit StreamedRows(RowSource& source)
        : source_(source),
          chunk_rows_(static_cast<std::uint32_t>(
              std::max<std::size_t>(1, kChunkBytes / (std::size_t{source.width()} * 4 + 1)))),
          ring_(kChunksAhead, std::size_t{source.width()} * 4 * chunk_rows_),
          zeros_(std::size_t{source.width()} * 4) {
        if (source.channels() != 4) narrow_.resize(std::size_t{source.width()} * chunk_rows_ * 4);
        producer_ = std::make_unique<Worker>([this] { produce(); });
        if (!producer_->started()) {
            producer_.reset();
            own_.resize(std::size_t{source.width()} * 4 * chunk_rows_);
        }
    }
    ~StreamedRows() override { ring_.stop(); }

    std::uint32_t width() const override { return source_.width(); }
    std::uint32_t height() const override { return source_.height(); }
    bool ok() const override { return ok_; }

    const std::uint8_t* row(std::uint32_t y) override {
        for (;;) {
            if (!ok_) return zeros_.data();
            if (data_ != nullptr && y >= first_ && y < first_ + count_)
                return data_ + std::size_t{y - first_} * source_.width() * 4;
            // Further down this pass: the next chunk; above it: the first chunk of the next pass.
            const std::uint64_t pass = pass_;
            const bool again = data_ != nullptr && y < first_;
            if (again && !producer_) {
                ok_ = source_.rewind();
                ++pass_;
                data_ = nullptr;
                continue;
            }
            // The rest of this pass will not be read: the producer starts the next one at once.
            if (again) restart_ = true;
            do {
                if (!next_chunk()) ok_ = false;
            } while (ok_ && again && pass_ == pass);
        }
    }

   private:
    // Decodes the next `n` rows into `out` as RGBA; false when the source fails.
    bool decode(std::uint8_t* out, std::uint32_t n) {
        if (source_.channels() == 4) return source_.read(out, n);
        if (!source_.read(narrow_.data(), n)) return false;
        widen_to_rgba(narrow_.data(), source_.channels(), std::size_t{n} * source_.width(), out);
        return true;
    }

    // The producer's job: pass after pass until the reader stops it.
    void produce() {
        for (std::uint64_t pass = 0;; ++pass) {
            if (pass > 0 && !source_.rewind()) return ring_.finish(false);
            restart_ = false;
            for (std::uint32_t y = 0; y < source_.height() && !restart_; y += chunk_rows_) {
                std::uint8_t* slot = ring_.free_buffer();
                if (slot == nullptr) return;
                const std::uint32_t n = std::min(chunk_rows_, source_.height() - y);
                if (!decode(slot, n)) return ring_.finish(false);
                ring_.publish(n, pass << 32 | y);
            }
        }
    }

    // Moves on to the next chunk; false when there is none (the source failed).
    bool next_chunk() {
        if (producer_) {
            if (data_ != nullptr) ring_.release();
            const HandOff::Chunk c = ring_.next();
            data_ = c.data;
            if (data_ == nullptr) return false;
            count_ = static_cast<std::uint32_t>(c.size);
            first_ = static_cast<std::uint32_t>(c.tag);
            pass_ = c.tag >> 32;
            return true;
        }
        std::uint32_t first = data_ == nullptr ? 0 : first_ + count_;
        if (data_ != nullptr && first >= source_.height()) {
            if (!source_.rewind()) return false;
            first = 0;
            ++pass_;
        }
        count_ = std::min(chunk_rows_, source_.height() - first);
        first_ = first;
        data_ = own_.data();
        return decode(own_.data(), count_);
    }

    RowSource& source_;
    std::uint32_t chunk_rows_;
    HandOff ring_;
    std::vector<std::uint8_t> zeros_, narrow_, own_;
    std::unique_ptr<Worker> producer_;
    const std::uint8_t* data_ = nullptr;  // the current chunk
    std::uint32_t first_ = 0, count_ = 0;
    std::uint64_t pass_ = 0;
    bool ok_ = true;
    std::atomic<bool> restart_ = false;  // the reader went back to the top: the pass can end
};

}  // namespace

std::unique_ptr<RgbaRows> rgba_rows(RowSource& source) {
    if (source.pixels() == nullptr) return std::make_unique<StreamedRows>(source);
    if (source.channels() == 4)
        return std::make_unique<ViewRows>(RgbaView{source.pixels(), source.width(), source.height()});
    return std::make_unique<WidenedRows>(source);
}

}  // namespace pixmint
