// pixmint's top level: the one place that prints.
#pragma once

namespace pixmint {

// The whole program: options, acquisition, writer, every message. Returns the exit status (0 or 1).
int run(int argc, char** argv);

}  // namespace pixmint
