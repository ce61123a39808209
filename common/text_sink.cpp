#include "common/text_sink.h"

#include <cstdarg>
#include <cstdio>
#include <new>
#include <string>

namespace lvforge {

TextSink::TextSink(SafeOutput& out) : out_(out) {
    buf_.reset(new (std::nothrow) char[kChunk + kMaxReserve]);
    if (!buf_) {
        ok_ = false;
        return;
    }
    begin_ = buf_.get();
    end_ = begin_ + kChunk + kMaxReserve;
    pos_ = begin_;
}

void TextSink::make_room() {
    flush();
    pos_ = begin_;
}

bool TextSink::flush() {
    if (ok_ && pos_ > begin_) ok_ = out_.write(begin_, static_cast<std::size_t>(pos_ - begin_));
    pos_ = begin_;
    return ok_;
}

void TextSink::append(std::string_view text) {
    while (!text.empty()) {
        const std::size_t n = text.size() < kMaxReserve ? text.size() : kMaxReserve;
        char* p = reserve(n);
        std::memcpy(p, text.data(), n);
        advance(p + n);
        text.remove_prefix(n);
    }
}

void TextSink::appendf(const char* fmt, ...) {
    char line[1024];
    va_list ap;
    va_start(ap, fmt);
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    if (n < 0) {
        va_end(again);
        ok_ = false;
        return;
    }
    const auto len = static_cast<std::size_t>(n);
    if (len < sizeof line) {
        va_end(again);
        append(std::string_view(line, len));
        return;
    }
    // A line longer than the stack buffer (a long name in it) is formatted again, whole.
    std::string long_line(len, '\0');
    std::vsnprintf(long_line.data(), len + 1, fmt, again);
    va_end(again);
    append(long_line);
}

}  // namespace lvforge
