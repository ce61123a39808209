// Temporary files that an interrupted run does not leave behind: SIGINT,
// SIGTERM, SIGHUP and SIGPIPE remove the file, then end the process with the
// signal's usual status.
#pragma once

#include <string>

namespace lvforge {

// Creates a new file from `tmpl`, a path whose last six characters are "XXXXXX" (rewritten to
// the name made), with mode 0600, and removes it if one of those signals ends the process before
// forget_temp_file(). Signals that are ignored stay ignored. Returns the descriptor, or -1 with
// errno set.
int create_temp_file(std::string& tmpl);

// Stops covering `path` (after it was renamed into place or removed).
void forget_temp_file(const std::string& path);

}  // namespace lvforge
