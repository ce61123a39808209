// The input file handed out in blocks of a fixed size, so that converting it
// takes the same memory whatever its size.
#pragma once

#include <memory>

#include "animpack/hex_writer.h"
#include "common/input_file.h"

namespace animpack {

class InputBlocks {
   public:
    // Bytes read per block: inputs up to this size are read whole before the output is made.
    static constexpr std::size_t kBlockSize = 256 * 1024;

    // Opens `path` (InputFile::open's refusals) with its block buffer; alloc_failed without one.
    static lvforge::Result<InputBlocks, lvforge::ReadStatus> open(const char* path);

    // The next block: kBlockSize bytes, fewer at the end of the file, empty once it has ended
    // (and from then on, even if the file grows), or read_failed (from then on as well).
    BlockResult next();

   private:
    InputBlocks(lvforge::InputFile file, std::unique_ptr<char[]> buffer)
        : file_(std::move(file)), buffer_(std::move(buffer)) {}

    lvforge::InputFile file_;
    std::unique_ptr<char[]> buffer_;
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace animpack
