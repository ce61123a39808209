// The .bin output as a sink of the pipeline: LVGL's header word, an indexed
// format's palette, then the encoded rows; rgb565a8's two planes (colours,
// then alpha) each at its own offset, or in two passes where the file can
// only be written in order. LVGL v9's file has a 12-byte header instead of
// the word, and a compressed block is gathered whole and written at the end.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/safe_output.h"
#include "pixmint/output/encoder.h"
#include "pixmint/output/sink.h"
#include "pixmint/output/v9_block.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/limits.h"

namespace pixmint {

// The .bin path for a C file path: its ".c" replaced by ".bin".
std::string bin_path_of(const std::string& out_path);

// Binary image files as LVGL's file system loads them: a 4-byte header word, then the pixel bytes.
// The header word: cf | always_zero << 5 | reserved << 8 | w << 10 | h << 21, always_zero and
// reserved 0. `width` and `height` must not exceed kLvglV7MaxSide.
std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height);

// The whole file: the header word, little-endian, then `body`.
std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body);

// LVGL v9's binary image files start instead with a 12-byte header, lv_image_header_t as a
// little-endian machine lays it out: magic (0x19), cf, flags (16 bits), w, h, stride (16 bits
// each), then 16 reserved zero bits.
std::array<std::uint8_t, 12> v9_bin_header(unsigned cf, unsigned flags, std::uint32_t width,
                                           std::uint32_t height, std::uint32_t stride);

// What the .bin file holds, settled before any row is decoded.
struct BinFileContent {
    ColorFormat format = ColorFormat::true_color;
    Depth depth = Depth::bits16;  // a true-colour format's one depth (24: the 32-bit layout)
    bool swap = false;            // --swap: 16-bit colour bytes swapped
    bool premultiply = false;     // -v: 32-bit colour premultiplied
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool has_pixels = true;             // false after a failed resize: the header alone
    std::vector<std::uint8_t> palette;  // an indexed format's palette bytes (none without pixels)
    std::optional<V9Choices> v9;        // set: LVGL v9's layout, so chosen (`palette` then v9's)
};

class BinSink final : public Sink {
   public:
    // The file of `content` for `out`, asking `encoders` for the rows it holds.
    BinSink(lvforge::SafeOutput& out, const BinFileContent& content, EncoderSet& encoders);

    int passes() const override;
    void begin_pass(int pass) override;
    void take(int pass, const EncodedChunk& chunk) override;
    void end_pass(int pass) override;
    std::optional<Failure> failure() const override { return failure_; }

   private:
    // One plane of rows: an encoder's, from `offset` on.
    struct Plane {
        std::size_t encoder;
        std::size_t row_bytes;
        std::uint64_t offset;
    };

    // Lays out LVGL v9's file of `content`.
    void lay_out_v9(const BinFileContent& content, EncoderSet& encoders);
    // Writes `n` bytes at `offset`: in place when the file allows it, else after what came before.
    void write_bytes(std::uint64_t offset, const std::uint8_t* data, std::size_t n);

    lvforge::SafeOutput& out_;
    bool positional_;
    std::vector<std::uint8_t> head_;  // header (word, or v9's 12 bytes) and palette
    std::vector<Plane> planes_;
    V9Layout v9_;                              // v9's block
    std::unique_ptr<V9BlockBuffer> gathered_;  // a block to compress, gathered whole
    std::optional<Failure> failure_;
};

}  // namespace pixmint
