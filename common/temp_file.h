// Temporary files that an interrupted run does not leave behind: SIGINT,
// SIGTERM, SIGHUP and SIGPIPE remove every one the run still holds, then end
// the process with the signal's usual status.
#pragma once

#include <string>

#include "common/result.h"
#include "common/unique_fd.h"

namespace lvforge {

// How many temporary files a run may hold at once: every output of one run is open together.
inline constexpr int kMaxTempFiles = 8;

// A temporary file just made: open, and the name it was given.
struct TempFile {
    UniqueFd fd;
    std::string path;
};

// Creates a new file from `tmpl`, a path whose last six characters are "XXXXXX" (replaced in the
// name made), with mode 0600, and removes it if one of those signals ends the process before
// forget_temp_file(). Signals that are ignored stay ignored. Up to kMaxTempFiles may be held at
// once; one more, or a path longer than the system takes, is refused. Returns the open file and
// its name, or the errno value of the failure.
Result<TempFile, int> create_temp_file(const std::string& tmpl);

// Stops covering `path` (after it was renamed into place or removed).
void forget_temp_file(const std::string& path);

}  // namespace lvforge
