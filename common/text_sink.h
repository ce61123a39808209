// A large in-memory buffer in front of a SafeOutput: generated text is
// formatted straight into it and reaches the file in a few big writes.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "common/safe_output.h"

namespace lvforge {

class TextSink {
   public:
    // Largest request reserve() accepts.
    static constexpr std::size_t kMaxReserve = 64 * 1024;
    // Bytes gathered before they are written out: small enough to stay in the
    // CPU cache between formatting and the write, large enough for few syscalls.
    static constexpr std::size_t kChunk = 512 * 1024;

    // A sink for `out`; when its buffer can't be had, ok() is false from the start and nothing
    // may be appended.
    explicit TextSink(SafeOutput& out);
    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;

    // Room for at least `n` (<= kMaxReserve) bytes at the returned position; follow with advance().
    char* reserve(std::size_t n) {
        if (static_cast<std::size_t>(end_ - pos_) < n) make_room();
        return pos_;
    }
    // Marks the bytes up to `new_pos` (inside the last reservation) as written.
    void advance(char* new_pos) { pos_ = new_pos; }
    // Appends a literal text of any length.
    void append(std::string_view text);
    // Appends a printf-formatted line of any length; meant for the few header lines, not for
    // per-byte text.
    void appendf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // Marks the text as not built whole (say, no memory for it, or its input failed part way):
    // the output fails like a failed write, although every write succeeded, and is discarded.
    void fail() { ok_ = false; }
    // Writes out what is buffered; false once any write has failed or the text was failed.
    bool flush();
    // True while no write (or the buffer allocation) has failed and the text was not failed.
    bool ok() const { return ok_; }

   private:
    void make_room();

    SafeOutput& out_;
    std::unique_ptr<char[]> buf_;
    char* begin_ = nullptr;
    char* pos_ = nullptr;
    char* end_ = nullptr;
    bool ok_ = true;
};

}  // namespace lvforge
