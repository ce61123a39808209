// animpack's command line: "p:n:h" read with getopt into an options record.
#pragma once

#include <optional>
#include <string>

#include "common/result.h"

namespace animpack {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "p:n:h";

// What a valid command line asks for.
struct Options {
    bool help = false;                // -h: print the usage text and end with status 0; nothing else is set
    std::string input_path;           // the last -p
    std::optional<std::string> name;  // the last non-empty -n (its last component is non-empty)
};

// Why the command line was refused.
enum class CommandLineFailure {
    usage,     // no argument, an unknown option, a missing or empty -p, or no -p at all
    bad_name,  // -n whose last component is empty
};

// Reads the options left to right; handling stops at -h, at an error, or at the end. Words that
// are not options are skipped. May be called more than once in one process.
lvforge::Result<Options, CommandLineFailure> parse_command_line(int argc, char** argv);

}  // namespace animpack
