// pixmint's command line: "p:f:n:w:h:d:v" and the long options read with getopt_long into an
// options record.
#pragma once

#include <getopt.h>

#include <optional>
#include <string>

#include "common/names.h"
#include "common/result.h"
#include "pixmint/pixels/failure.h"

namespace pixmint {

// The getopt(3) option string of the command line; the man page documents exactly these options.
inline constexpr const char kOptionString[] = "p:f:n:w:h:d:v";

// Values getopt_long returns for the long options, beyond every option letter.
enum LongOption : int { kBin = 256, kSwap, kDither, kPreview, kHelp };
// The long options, as getopt_long takes them; the man page documents exactly these.
inline constexpr option kLongOptions[] = {
    {"bin", no_argument, nullptr, kBin},       {"swap", no_argument, nullptr, kSwap},
    {"dither", no_argument, nullptr, kDither}, {"preview", required_argument, nullptr, kPreview},
    {"help", no_argument, nullptr, kHelp},     {nullptr, 0, nullptr, 0},
};

// Colour formats selectable with -f (formats.h has their words and LVGL constants).
enum class ColorFormat {
    true_color,
    true_color_alpha,
    true_color_chroma_keyed,
    indexed_1,
    indexed_2,
    indexed_4,
    indexed_8,
    alpha_1,
    alpha_2,
    alpha_4,
    alpha_8,
    raw,
    raw_alpha,
    raw_chroma_keyed,
};

// Colour depths selectable with -d; the value is the number printed in the depth line.
enum class Depth { all = 0, bits8 = 8, bits16 = 16, bits24 = 24 };

// Kinds of input, recognised from the image path.
enum class ImageKind { png, bmp, jpg, gif, svg };

// What the command line asks for, settled before any image is read.
struct Options {
    std::string image_path;           // the last -p
    ImageKind kind = ImageKind::png;  // from the image path; svg takes the SVG route
    ColorFormat format = ColorFormat::true_color;
    Depth depth = Depth::all;
    std::optional<int> width;                 // -w as atoi reads it
    std::optional<int> height;                // -h as atoi reads it
    bool premultiply = false;                 // -v: the target renders with the zintra GPU
    lvforge::OutputNames names;               // output path and C names, from -n or the image path
    bool binary = false;                      // --bin: <name>.bin instead of <name>.c
    bool swap = false;                        // --swap: the LV_COLOR_16_SWAP byte order in a 16-bit .bin
    bool dither = false;                      // --dither: error diffusion wherever colours are reduced
    std::optional<std::string> preview_path;  // --preview: where to write the PNG of what the device shows
    bool help = false;                        // --help: print the help text and stop
};

// Reads the options left to right, then settles the kind of image, the zintra combination and
// the names. Resets getopt's state first, so it may run more than once in one process.
lvforge::Result<Options, Failure> parse_command_line(int argc, char** argv);

}  // namespace pixmint
