// animpack from the command line to the exit status.
#pragma once

namespace animpack {

// Parses the options, reads the input whole and writes the byte-array source file. Prints every
// message on standard output; returns the exit status (0 or 1).
int run_animpack(int argc, char** argv);

}  // namespace animpack
