// setwright's run from start to end: options, conf.json, both headers.
#pragma once

namespace setwright {

// Runs setwright in the current directory with the command line `argv`: merges conf.json into
// the table's defaults, then writes simulator.h and board.h. The only place that prints. Returns
// the exit status: 0 when both headers were written, 1 otherwise.
int run(int argc, char** argv);

}  // namespace setwright
