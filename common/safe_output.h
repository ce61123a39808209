// An output file that appears at its path only once it is complete: the
// bytes go to a temporary file beside it, which is renamed into place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/result.h"
#include "common/unique_fd.h"

namespace lvforge {

class SafeOutput {
   public:
    // Why an output failed.
    enum class Failure {
        open_failed,   // nothing could be opened, or the finished file not renamed into place
        write_failed,  // a write or the close failed
    };

    SafeOutput() = default;
    SafeOutput(const SafeOutput&) = delete;
    SafeOutput& operator=(const SafeOutput&) = delete;
    // Discards an output that was never committed.
    ~SafeOutput();

    // Starts the file `path`: a temporary file in the same directory, which gets the permission
    // bits of the file it replaces (those of a new file when there is none). A device or FIFO is
    // written in place instead. A symbolic link is followed, so its target is replaced, or created
    // when it does not exist. Fails when nothing can be opened, in particular when no temporary
    // file can be made beside an existing file: that is never overwritten in place.
    Result<void, Failure> open(const char* path);
    // Writes all `n` bytes; false once any write has failed (failures are sticky).
    bool write(const void* data, std::size_t n);
    // True once a write has failed.
    bool failed() const { return failed_; }
    // True when the output is an open temporary file, which write_at() may fill in any order.
    bool positional() const { return fd_.valid() && !in_place_; }
    // Writes all `n` bytes at `offset` of a positional() output, leaving the position write()
    // continues from alone; false once any write has failed (failures are sticky, shared with
    // write()). One thread at a time may write.
    bool write_at(std::uint64_t offset, const void* data, std::size_t n);
    // Sets aside the blocks of a positional() output's first `size` bytes before they are written
    // out of order, which costs the file system less than finding them one write at a time. The
    // file is then `size` bytes long. Where the file system can't do that, nothing happens.
    void reserve(std::uint64_t size);
    // Closes the file, the close checked; a temporary file stays where it is until commit() or
    // discard(). On failure removes it. Repeating it returns the first result.
    Result<void, Failure> finish();
    // Finishes the file and renames it into place; on any failure removes the temporary file and
    // leaves an earlier file at the path untouched.
    Result<void, Failure> commit();
    // True when the file is written where it is (a device or FIFO): its bytes can't be held back.
    bool in_place() const { return in_place_; }
    // Abandons the output and removes the temporary file.
    void discard();

   private:
    // Opens path_ itself, truncating it.
    Result<void, Failure> open_in_place();
    // Removes the temporary file, if any.
    void remove_temp();

    UniqueFd fd_;
    bool failed_ = false;
    bool finished_ = false;  // closed by finish() without failure, not yet renamed
    bool in_place_ = false;
    std::string path_;
    std::string temp_path_;
};

// True when an output at `path` would be written in place rather than replaced: an existing
// device or FIFO, also behind a link (see SafeOutput::open).
bool is_written_in_place(const char* path);

// Makes an exceeded file-size limit a failed write (EFBIG) instead of a
// signal that would kill the process with a temporary file left behind.
void ignore_file_size_signal();

}  // namespace lvforge
