// Writing one header to its file in the current directory, replaced only
// once the whole text is safely written.
#pragma once

#include <variant>

#include "common/memory_reserve.h"
#include "common/output_failure.h"
#include "common/result.h"
#include "setwright/configuration.h"
#include "setwright/entries.h"

namespace setwright {

// Why the header of `mode` was not written; its file is then left as it was.
struct HeaderFailure {
    Mode mode;
    // The text could not be held in memory, or the file could not be put in place.
    std::variant<lvforge::OutOfMemory, lvforge::OutputFailure> why;
};

// The file the header of `mode` is written to, in the current directory.
const char* header_file_name(Mode mode);

// Renders the header of `mode` from `config` and writes it to its file.
lvforge::Result<void, HeaderFailure> write_header(const Configuration& config, Mode mode);

}  // namespace setwright
