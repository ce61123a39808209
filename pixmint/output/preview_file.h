// The --preview output: a PNG of what the device will show.
#pragma once

#include "common/output_failure.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/options.h"
#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// The pixels the device shows for options.format at -d (16 when no single depth is given; 24 is
// the 32-bit layout): reduced, dithered and palette-mapped as the output holds them, alpha kept.
// A raw format shows the decoded image as it is.
RgbaImage shown_image(const Options& options, const Image& image, const BlockImage* packed);

// Writes the preview PNG to *options.preview_path as safely as the C file. Returns nothing when
// written, else why not; a PNG that can't be encoded (no memory) is a failed write.
std::optional<lvforge::OutputFailure> write_preview_file(const Options& options, const Image& image,
                                                         const BlockImage* packed);

}  // namespace pixmint
