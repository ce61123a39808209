// animpack from the command line to the exit status.
#pragma once

namespace animpack {

// Parses the options and writes the byte-array source file, reading the input block by block.
// The only place animpack prints: every message goes to standard output. Returns the exit status
// (0 or 1).
int run(int argc, char** argv);

}  // namespace animpack
