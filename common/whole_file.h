// Reading a whole input file into one heap buffer, with the failure kinds
// that the tools report in their own words.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace lvforge {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// A whole file in memory: `size` bytes followed by one zero byte.
struct WholeFile {
    std::unique_ptr<char[], FreeDeleter> data;
    std::size_t size = 0;
};

enum class ReadStatus {
    ok,
    open_failed,    // missing, unreadable, or a directory
    length_failed,  // not a regular file (FIFO, device, ...): its end can't be relied on
    alloc_failed,   // no memory for the whole file and its terminator
    read_failed,    // reading failed before the end of the file
};

// Reads the regular file `path` whole into `out`, up to its end whatever size it reports (files
// under /proc report 0). Never blocks on a FIFO; refuses devices and FIFOs.
ReadStatus read_whole_file(const char* path, WholeFile& out);

}  // namespace lvforge
