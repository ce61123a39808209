// Everything that can make a pixmint run fail; run.cpp turns each into its message.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "pixmint/pixels/formats.h"

namespace pixmint {

enum class FailureKind {
    // The command line.
    usage,                     // no arguments, unknown option, missing argument, empty -p
    unsupported_color_format,  // -f with an unknown word
    unsupported_filename,      // -n whose last component is empty
    no_image_path,             // no -p
    unsupported_image_format,  // no known extension in the image path
    zintra_combination,        // -v with a depth / format pair the zintra GPU can't draw
    raw_resize,                // a raw format with -w, -h or -v
    raw_binary,                // a raw format with --bin
    binary_needs_depth,        // --bin with a true-colour format and no single -d
    swap_needs_16bit_binary,   // --swap without --bin, a true-colour format and -d 16
    unsupported_lvgl_version,  // --lvgl with anything but 7, 8 or 9
    format_not_in_version,     // -f names a format the chosen LVGL release does not have (detail: the word)
    option_not_in_version,     // an option the chosen LVGL release does not have (detail: the option)
    keep_palette_format,       // --keep-palette with a format that is not an indexed one
    keep_palette_changes,      // --keep-palette with -w, -h, -v or --dither, which change indices
    unsupported_align,         // --align with anything but a power of two from 1 to kMaxAlign
    unsupported_compression,   // --compress with anything but rle or lz4
    raw_layout,                // a raw format with --align, --compress or --premultiply
    premultiply_needs_alpha,   // --premultiply with a format that holds no colour with alpha
    // Acquisition.
    svg_open,             // SVG missing, unreadable or invalid
    svg_rasterizer,       // no SVG renderer
    svg_alloc,            // no memory for the rendered SVG
    image_load,           // raster file missing, unknown or corrupt
    invalid_size,         // an empty image, or a resize target below one pixel
    size_limit,           // the final image would be wider or taller than the limit
    lvgl_v7_size_limit,   // the final image would be wider or taller than LVGL v7's header holds
    too_large_to_decode,  // the source is too large to decode at all
    resize_alloc,         // no memory (or no success) for the resampled image
    palette_failed,       // the quantizer could not be loaded, or ran out of memory
    not_palette_png,      // --keep-palette and an input that is not a palette PNG
    index_past_palette,   // --keep-palette and a pixel whose index is past the end of the palette
    palette_too_large,    // --keep-palette and a palette with more entries than the format holds
    too_many_colors,      // indexed-auto and more colours than the largest indexed format holds
    compress_failed,      // the compressor ran out of memory
};

// What the palette refusals name besides the image; the other failures leave it as it is.
struct PaletteCount {
    std::size_t colors = 0;                       // entries of the palette, or colours of the image
    std::size_t index = 0;                        // index_past_palette: the index found
    ColorFormat format = ColorFormat::indexed_8;  // the format that does not hold them
};

// One failure, with what its message names. A failure returned ends the run before anything is
// written; the one exception, a failed resampling, is no Failure value but Acquired's own flag.
struct Failure {
    FailureKind kind;
    std::string detail;       // what the message names besides the kind: a format word or an option
    int lvgl = 7;             // the LVGL release a version refusal names
    PaletteCount count = {};  // what a palette refusal counts
};

// A failure that names nothing besides its kind.
inline Failure fatal(FailureKind kind) {
    return {kind, {}, 7, {}};
}
// The refusal of a format word or an option that LVGL release `lvgl` does not have.
inline Failure not_in_version(FailureKind kind, std::string detail, int lvgl) {
    return {kind, std::move(detail), lvgl, {}};
}
// A palette refusal.
inline Failure refused_palette(FailureKind kind, PaletteCount count) {
    return {kind, {}, 7, count};
}

}  // namespace pixmint
