// Reading a whole input file into one heap buffer, for the inputs that are
// used whole (pixmint's raw formats, setwright's conf.json).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

#include "common/input_file.h"
#include "common/result.h"

namespace lvforge {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// A whole file in memory: `size` bytes followed by one zero byte.
struct WholeFile {
    std::unique_ptr<char[], FreeDeleter> data;
    std::size_t size = 0;
};

// The regular file `path` read whole, up to its end whatever size it reports (files under /proc
// report 0), or why it could not be. Never blocks on a FIFO; refuses devices and FIFOs
// (InputFile::open).
Result<WholeFile, ReadStatus> read_whole_file(const char* path);

}  // namespace lvforge
