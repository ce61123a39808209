// The image source file as a sink of the pipeline. Every section's offset
// follows from the width and height alone, so the file is laid out before
// any row arrives and each chunk of rows, formatted here, is written to its
// place in every section by a thread of its own while the next chunk is
// formatted. A file that can only be written in order (a device or a FIFO)
// takes one pass over the rows per section instead. An LVGL v9 block that is
// compressed is gathered whole first and written once its last row is in.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/banner_year.h"
#include "common/names.h"
#include "common/safe_output.h"
#include "pixmint/output/encoder.h"
#include "pixmint/output/sink.h"
#include "pixmint/output/v9_block.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/hand_off.h"
#include "pixmint/pixels/worker.h"

namespace pixmint {

// What the image source file holds, settled before any row is decoded.
struct CFileContent {
    lvforge::OutputNames names;
    ColorFormat format = ColorFormat::true_color;
    Depth depth = Depth::all;  // the sections of a true-colour format
    bool premultiply = false;  // -v: the 32-bit section premultiplied
    bool swap = false;         // --swap: rgb565a8's colours high byte first
    lvforge::BannerYear year;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool has_pixels = true;             // false after a failed resize: no rows at all
    std::vector<std::uint8_t> palette;  // an indexed format's palette bytes (none without pixels)
    std::span<const std::uint8_t> raw;  // a raw format's data: the input file's bytes
    std::optional<V9Choices> v9;        // set: LVGL v9's layout, so chosen (`palette` then v9's)
};

class CSink final : public Sink {
   public:
    // Lays out the file of `content` for `out`, asking `encoders` for the rows its sections hold.
    CSink(lvforge::SafeOutput& out, const CFileContent& content, EncoderSet& encoders);

    ~CSink() override;

    int passes() const override;
    void begin_pass(int pass) override;
    void take(int pass, const EncodedChunk& chunk) override;
    void end_pass(int pass) override;
    std::optional<Failure> failure() const override { return failure_; }

   private:
    // A stretch of the file: fixed text, the raw file as lines, or one line per row of an encoder.
    struct Part {
        std::string text;
        std::span<const std::uint8_t> raw;
        std::optional<std::size_t> encoder;
        std::size_t row_bytes = 0;  // bytes of one encoded row
        std::uint64_t offset = 0;   // where the part starts in the file
    };

    // The parts of LVGL v9's file of `content`; a compressed block's wait for its bytes.
    void lay_out_v9_parts(const CFileContent& content, EncoderSet& encoders);
    // The parts of a compressed v9 block, once the last row is in; false when it can't be compressed.
    bool lay_out_compressed();
    // Lay out the next part of the file: fixed text, the raw file as lines, or an encoder's rows.
    void add_text(std::string text);
    void add_raw(std::span<const std::uint8_t> raw);
    void add_rows(std::size_t encoder, std::size_t row_bytes);
    // Writes the text or raw part `part`.
    void write_fixed(const Part& part);
    // Writes `n` bytes at `offset`: in place when the file allows it, else after what came before.
    void write_bytes(std::uint64_t offset, const char* data, std::size_t n);
    // Parts with rows, in file order.
    std::vector<std::size_t> row_parts() const;
    // The writer's job: every chunk of text handed over, written at its offset.
    void write_behind();

    lvforge::SafeOutput& out_;
    std::uint32_t height_;
    std::uint32_t chunk_rows_;  // most rows a chunk holds
    bool positional_;
    std::vector<Part> parts_;
    std::uint64_t size_ = 0;
    std::size_t written_parts_ = 0;   // in order: parts written so far
    std::vector<char> text_;          // one chunk's rows as text, when written here
    std::unique_ptr<HandOff> texts_;  // chunks of text on their way to the writer
    std::unique_ptr<Worker> writer_;
    // A compressed v9 block: the names its texts need, its layout, the block gathered, its bytes.
    std::string var_name_;
    std::string head_;
    V9Layout v9_;
    std::unique_ptr<V9BlockBuffer> gathered_;
    std::vector<std::uint8_t> compressed_;
    std::optional<Failure> failure_;
};

}  // namespace pixmint
