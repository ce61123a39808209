#include "common/whole_file.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace lvforge {

namespace {

// Large inputs go into memory backed by 2 MiB pages where the kernel grants them: filling a
// buffer of 4 KiB pages costs one page fault per page, which dominates reading a big file.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The smallest buffer a read that outgrows the reported size moves to.
constexpr std::size_t kMinGrowth = 64 * 1024;

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

Result<WholeFile, ReadStatus> read_whole_file(const char* path) {
    auto opened = InputFile::open(path);
    if (!opened.ok()) return opened.error();
    InputFile& file = opened.value();

    // The reported size is only where reading starts: files under /proc report 0, and a file
    // may grow meanwhile. The buffer has room for that size, one more byte to find the end of
    // the file without growing, and the terminator; it grows when the file goes on.
    const unsigned long long reported = file.reported_size();
    if (reported > std::numeric_limits<std::size_t>::max() - 2) return ReadStatus::alloc_failed;
    std::size_t capacity = static_cast<std::size_t>(reported) + 2;
    std::unique_ptr<char[], FreeDeleter> data(allocate_buffer(capacity));
    if (!data) return ReadStatus::alloc_failed;

    std::size_t got = 0;
    for (;;) {
        if (got + 1 == capacity) {
            if (capacity > std::numeric_limits<std::size_t>::max() / 2) return ReadStatus::alloc_failed;
            const std::size_t larger = capacity < kMinGrowth ? kMinGrowth : capacity * 2;
            std::unique_ptr<char[], FreeDeleter> grown(allocate_buffer(larger));
            if (!grown) return ReadStatus::alloc_failed;
            std::memcpy(grown.get(), data.get(), got);
            data = std::move(grown);
            capacity = larger;
        }
        const std::size_t room = capacity - 1 - got;
        const auto read = file.read(data.get() + got, room);
        if (!read.ok()) return read.error();
        got += read.value();
        if (read.value() < room) break;  // the end of the file
    }
    data[got] = '\0';
    return WholeFile{std::move(data), got};
}

}  // namespace lvforge
