// pixmint's command line: "p:f:n:w:h:d:v" and the long options read with getopt_long into an
// options record.
#pragma once

#include <getopt.h>

#include <optional>
#include <string>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/options.h"

namespace pixmint {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "p:f:n:w:h:d:v";

// Values getopt_long returns for the long options, beyond every option letter.
enum LongOption : int {
    kBin = 256,
    kSwap,
    kDither,
    kPreview,
    kHelp,
    kLvgl,
    kKeepPalette,
    kPremultiply,
    kAlign,
    kCompress,
};
// The long options, as getopt_long takes them; the man page documents exactly these.
inline constexpr option kLongOptions[] = {
    {"bin", no_argument, nullptr, kBin},
    {"swap", no_argument, nullptr, kSwap},
    {"dither", no_argument, nullptr, kDither},
    {"preview", required_argument, nullptr, kPreview},
    {"help", no_argument, nullptr, kHelp},
    {"lvgl", required_argument, nullptr, kLvgl},
    {"keep-palette", no_argument, nullptr, kKeepPalette},
    {"premultiply", no_argument, nullptr, kPremultiply},
    {"align", required_argument, nullptr, kAlign},
    {"compress", required_argument, nullptr, kCompress},
    {nullptr, 0, nullptr, 0},
};

// Reads the options left to right, then settles the format word and the options against the LVGL
// release, the kind of image, the zintra combination and the names. Resets getopt's state first, so it may
// run more than once in one process.
lvforge::Result<Options, Failure> parse_command_line(int argc, char** argv);

}  // namespace pixmint
