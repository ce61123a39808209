// The --preview output: a PNG of what the device will show.
#pragma once

#include "command_line.h"
#include "image.h"
#include "packed_image.h"
#include "rgba_image.h"

namespace pixmint {

// The pixels the device shows for options.format at -d (16 when no single depth is given; 24 is
// the 32-bit layout): reduced, dithered and palette-mapped as the output holds them, alpha kept.
// A raw format shows the decoded image as it is.
RgbaImage shown_image(const Options& options, const Image& image, const PackedImage* packed);

// Writes the preview PNG to *options.preview_path. Returns 0 when written; otherwise 1 with
// `failed` set to the failure to print, or left empty when the writing already reported it.
int create_preview(const Options& options, const Image& image, const PackedImage* packed,
                   std::optional<Failure>& failed);

}  // namespace pixmint
