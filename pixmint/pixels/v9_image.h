// A whole LVGL v9 image as the C array and the .bin file hold it: its data block in the chosen
// format, optionally compressed, and the header fields that describe it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/v9_formats.h"

namespace pixmint {

// lv_image_flags_t bits pixmint sets.
inline constexpr unsigned kV9FlagPremultiplied = 0x0001;
inline constexpr unsigned kV9FlagCompressed = 0x0008;

struct V9Image {
    ColorFormat format = ColorFormat::argb8888;  // the format it holds: for indexed-auto, the one chosen
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    V9Block block;                         // the data, uncompressed
    std::vector<std::uint8_t> compressed;  // lv_image_compressed_t's header and bytes; empty: none
    unsigned flags = 0;                    // header.flags

    // What lv_image_dsc_t.data points at (and a .bin file holds after its header).
    const std::vector<std::uint8_t>& data() const { return compressed.empty() ? block.bytes : compressed; }
};

// The image in encoding.format at encoding.align, premultiplied and compressed as asked, colours
// reduced with error diffusion under --dither (the 16-bit formats and the palettes). The raw
// formats hold `raw`, the input file's bytes. An indexed format keeps `own` (--keep-palette) when
// not null, and indexed-auto settles on the smallest exact one, as for v7. An image without
// pixels gives an empty block (indexed-auto then in indexed-8).
lvforge::Result<V9Image, Failure> encode_v9_image(const Encoding& encoding, std::span<const std::uint8_t> raw,
                                                  const Image& image, const IndexedImage* own);

}  // namespace pixmint
