// The data block of an LVGL v9 image as the pipeline fills it: where its
// palette and its planes of rows lie, which encoder makes each plane, and the
// header fields that describe it; and the block gathered whole in memory,
// where it must be compressed before anything of it can be written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/output/encoder.h"
#include "pixmint/output/sink.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

// lv_image_flags_t bits pixmint sets.
inline constexpr unsigned kV9FlagPremultiplied = 0x0001;
inline constexpr unsigned kV9FlagCompressed = 0x0008;

// What only the v9 layout has: --align, --premultiply, --compress.
struct V9Choices {
    unsigned align = 1;
    bool premultiply = false;
    Compression compression = Compression::none;
};

// A v9 image's block, laid out before any row is decoded.
struct V9Layout {
    // One plane of rows: an encoder's rows, `row_bytes` (the stride) each, from `offset` in the block.
    struct Plane {
        std::size_t encoder;
        std::size_t row_bytes;
        std::uint64_t offset;
    };

    ColorFormat format = ColorFormat::argb8888;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t stride = 0;  // header.stride: bytes a row of pixels; 0 for the raw formats
    unsigned flags = 0;        // header.flags
    Compression compression = Compression::none;
    std::vector<std::uint8_t> palette;  // an indexed format's palette, at the block's start
    std::vector<Plane> planes;          // the rows (colours, indices or alpha), then rgb565a8's alpha
    std::uint64_t size = 0;             // bytes of the block, uncompressed
};

// The block of a `width` x `height` image in the v9 `format` (indexed-auto settled), asking
// `encoders` for the planes' rows; `palette` holds an indexed format's palette bytes
// (v9_palette_bytes). An image without pixels has a header and no data; a raw format's data is
// `raw_bytes` bytes of the input file.
V9Layout lay_out_v9(ColorFormat format, std::uint32_t width, std::uint32_t height, bool has_pixels,
                    std::vector<std::uint8_t> palette, std::size_t raw_bytes, const V9Choices& choices,
                    EncoderSet& encoders);

// The block gathered whole from the pipeline's chunks, to be compressed once the last row is in.
class V9BlockBuffer {
   public:
    explicit V9BlockBuffer(const V9Layout& layout);

    // Places the chunk's rows of every plane.
    void take(const EncodedChunk& chunk);
    // lv_image_compressed_t's header and the block compressed as the layout says; nullopt when
    // the compressor fails (no memory).
    std::optional<std::vector<std::uint8_t>> compressed() const;

   private:
    const V9Layout& layout_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace pixmint
