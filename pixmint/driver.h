// pixmint's command line and conversion driver.
#pragma once

#include "image_job.h"

namespace pixmint {

// Everything the command line settles before any image is read.
struct Options {
    ImageJob job;                      // cf, depth, premultiply, img_type and the names
    ResizeRequest resize;              // -w / -h
    const char* image_path = nullptr;  // the -p argument itself
};

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "p:f:n:w:h:d:v";

// Writes the usage text on standard output.
void usage();

// Parses the command line and settles the kind of image and the names. Returns -1 when the
// conversion should go on, otherwise the exit status (its messages already printed).
int parse_command_line(int argc, char** argv, Options& options);

// The whole program: options, acquisition, writer. Returns the exit status (0 or 1).
int run(int argc, char** argv);

}  // namespace pixmint
