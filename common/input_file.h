// An input file opened for reading from its start to its end, with the
// refusals and failure kinds that the tools report in their own words.
#pragma once

#include <cstddef>
#include <utility>

#include "common/result.h"
#include "common/unique_fd.h"

namespace lvforge {

// Why an input could not be read.
enum class ReadStatus {
    open_failed,    // missing, unreadable, or a directory
    length_failed,  // not a regular file (FIFO, device, ...): its end can't be relied on
    alloc_failed,   // no memory for what the input is read into
    read_failed,    // reading failed before the end of the file
};

// A regular file open for reading, which owns its descriptor.
class InputFile {
   public:
    // Opens `path`: open_failed when it is missing, unreadable or a directory, length_failed when
    // it is not a regular file (a FIFO or a device, which may never end). Never blocks on a FIFO.
    static Result<InputFile, ReadStatus> open(const char* path);

    InputFile(InputFile&&) noexcept = default;
    InputFile& operator=(InputFile&&) noexcept = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The size the file reported when it was opened: where a buffer may start, not where the file
    // ends (files under /proc report 0, and a file may grow while it is read).
    unsigned long long reported_size() const { return reported_size_; }

    // Reads into `buf` until it holds `n` bytes or the file has ended; returns how many bytes it
    // holds (fewer than `n` only at the end of the file), or read_failed.
    Result<std::size_t, ReadStatus> read(char* buf, std::size_t n);

   private:
    explicit InputFile(UniqueFd fd) : fd_(std::move(fd)) {}

    UniqueFd fd_;  // read only: nothing that closing it could report is lost
    unsigned long long reported_size_ = 0;
};

}  // namespace lvforge
