// setwright's run from start to end: options, conf.json, both headers.
#pragma once

namespace setwright {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "v:";

// Runs setwright in the current directory with the command line `argv`: applies -v, merges
// conf.json into the table, writes simulator.h and then board.h. Returns the exit status: 0
// when both headers were written, 1 otherwise. Leaves the table as built in when it returns.
int setwright_main(int argc, char** argv);

}  // namespace setwright
