// animpack's command line: "p:n:h" read with getopt into the names of a HexJob.
#pragma once

#include "hex_job.h"

namespace animpack {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "p:n:h";

// What the command line asks for.
enum class Request {
    convert,    // input_path and the job's names are set
    help,       // -h: usage text, status 0
    usage,      // bad or missing option, empty -p, no -p at all: usage text, status 1
    bad_name,   // -n whose last component is empty: "Error: Unsupported filename!", status 1
};

// Everything the command line yields.
struct CommandLine {
    const char* input_path = nullptr;  // the last -p argument (not copied)
    HexJob job;                        // names derived from -n or -p; array_size left 0
};

// Reads the options left to right; handling stops at -h, at an error, or at the end. Resets
// getopt's state first, so it may be called more than once in one process. Prints nothing.
Request parse_command_line(int argc, char** argv, CommandLine& cl);

// Prints the two-piece usage text on standard output.
void print_usage();

}  // namespace animpack
