// setwright's command line: the LVGL version the headers are for.
#pragma once

namespace setwright {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "v:";

// What the command line asks for.
struct Options {
    bool lvgl_7_0_1 = false;  // the last -v named exactly 7.0.1: entry 49 takes that version's name
};

// Reads the options of `argv`: each well-formed -v settles the version, the last one counting.
// The first option that is anything else ends option processing silently; words that are not
// options are ignored. Never fails.
Options parse_command_line(int argc, char** argv);

}  // namespace setwright
