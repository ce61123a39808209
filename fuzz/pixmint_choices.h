// The options a pixmint_image input picks with its last bytes: any format,
// depth, size, --bin, --swap, --dither, -v and --preview, and whether earlier
// outputs are in place before the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lvforge::fuzz {

// How many bytes at the end of a pixmint_image input pick its options; the image is what precedes them.
inline constexpr std::size_t kChoiceBytes = 4;

// How a format lays out its pixels, which decides what a .bin is compared with.
enum class Family { true_color, indexed, alpha, raw };

// Where --preview points.
enum class PreviewChoice {
    none,        // no preview
    beside,      // prev.png, next to the output
    in_subdir,   // sub/prev.png, in a directory the run has to create
    the_input,   // the image itself, which must be refused
    the_output,  // the output itself (through "./"), which must be refused
    unwritable,  // below the image as if it were a directory, so that writing it fails
};

// The options of one run, as picked.
struct PixmintChoices {
    const char* format = nullptr;  // the -f word; none for the default, true colour
    Family family = Family::true_color;
    int depth = 0;              // -d 8, 16 or 24; 0 for no -d
    bool premultiply = false;   // -v
    bool dither = false;        // --dither
    bool binary = false;        // --bin
    bool swap = false;          // --swap
    std::optional<int> width;   // -w, from -1 to 48, so that sizes below a pixel are reached too
    std::optional<int> height;  // -h, likewise
    PreviewChoice preview = PreviewChoice::none;
    bool earlier_outputs = false;  // out.c, out.bin and the preview exist before the run
    bool as_given = false;         // combinations pixmint refuses were kept
};

// Reads the choice bytes. Unless they ask for their options as given (a quarter do), options
// pixmint refuses together are dropped or adjusted, so that most runs get past the command line:
// the options target covers the refusals.
PixmintChoices decode_choices(std::span<const std::uint8_t, kChoiceBytes> bytes);

// The words of `choices` on pixmint's command line, --preview naming `preview_path`.
std::vector<std::string> option_words(const PixmintChoices& choices, const std::string& preview_path);

}  // namespace lvforge::fuzz
