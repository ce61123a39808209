// The one block of bytes an indexed, alpha-only, raw or rgb565a8 image is stored as:
// the map array's contents and the body of its .bin file alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/palette.h"

namespace pixmint {

struct BlockImage {
    ColorFormat format = ColorFormat::raw;  // the format it holds: for indexed-auto, the one chosen
    std::vector<std::uint8_t> bytes;        // everything, palette first
    std::size_t palette_bytes = 0;          // the palette at the start (indexed formats), 4 bytes an entry
    std::size_t line_bytes = 0;             // bytes a text line holds after the palette: one packed row
    std::size_t alpha_plane_bytes = 0;      // rgb565a8: the alpha plane at the end, line_bytes / 2 a line
    bool swapped = false;                   // rgb565a8: colours high byte first, for LV_COLOR_16_SWAP 1
    std::optional<IndexedImage> indexed;    // palette and indices of an indexed format, for the preview
};

// The block of an indexed, alpha-only, raw or rgb565a8 `encoding.format`, colours reduced with
// error diffusion when `encoding.dither` (rgb565a8 high byte first when `encoding.swap`); nullopt
// for the true-colour formats, which are stored per colour depth instead. The raw formats read
// the file `image_path` again. An indexed format keeps `own` (the file's own palette and indices,
// with --keep-palette) when not null; indexed-auto settles on the smallest format that holds the
// image exactly (index_colors, keep_own_palette). An image without pixels gives an empty block,
// indexed-auto then in indexed-8.
lvforge::Result<std::optional<BlockImage>, Failure> pack_image(const Encoding& encoding,
                                                               const std::string& image_path,
                                                               const Image& image, const IndexedImage* own);

}  // namespace pixmint
