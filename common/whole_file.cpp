#include "whole_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

namespace lvforge {

namespace {

// Closes the descriptor when the read is over, whatever the outcome.
struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

// Large inputs go into memory backed by 2 MiB pages where the kernel grants them: filling a
// buffer of 4 KiB pages costs one page fault per page, which dominates reading a big file.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A buffer of `n` bytes that std::free() releases.
char* allocate_buffer(std::size_t n) {
    if (n < 2 * kHugePage || n > SIZE_MAX - kHugePage) return static_cast<char*>(std::malloc(n));
    const std::size_t rounded = (n + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (p != nullptr) {
        ::madvise(p, rounded, MADV_HUGEPAGE);  // only a hint: without it the buffer still works
        return static_cast<char*>(p);
    }
    return static_cast<char*>(std::malloc(n));
}

}  // namespace

ReadStatus read_whole_file(const char* path, WholeFile& out) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadStatus::open_failed;
    FdCloser closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return ReadStatus::length_failed;
    if (S_ISDIR(st.st_mode)) return ReadStatus::open_failed;
    if (!S_ISREG(st.st_mode) || st.st_size < 0) return ReadStatus::length_failed;

    const auto length = static_cast<unsigned long long>(st.st_size);
    if (length >= std::numeric_limits<std::size_t>::max()) return ReadStatus::alloc_failed;
    const auto size = static_cast<std::size_t>(length);
    out.data.reset(allocate_buffer(size + 1));
    if (!out.data) return ReadStatus::alloc_failed;

    std::size_t got = 0;
    while (got < size) {
        const ssize_t r = ::read(fd, out.data.get() + got, size - got);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<std::size_t>(r);
    }
    if (got < size) {
        out.data.reset();
        return ReadStatus::read_failed;
    }
    out.data[size] = '\0';
    out.size = size;
    return ReadStatus::ok;
}

}  // namespace lvforge
