// The --preview output as a sink of the pipeline: a PNG of what the device
// will show, made from the rows the other outputs hold (decoded back from
// their bytes) and compressed on a thread of its own as the rows come.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "common/safe_output.h"
#include "pixmint/output/encoder.h"
#include "pixmint/output/sink.h"
#include "pixmint/output/v9_block.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/hand_off.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/worker.h"

namespace pixmint {

// What the preview shows, settled before any row is decoded.
struct PreviewContent {
    ColorFormat format = ColorFormat::true_color;
    Depth depth = Depth::all;  // shown at 16 bits when no single depth is given; 24 is 32 bits
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<Color32> palette;        // an indexed format's palette
    LvglVersion lvgl = LvglVersion::v7;  // the release whose drawing the preview shows
    V9Choices v9;                        // LVGL v9's choices, which shape what v9 draws
};

// The colour depth the preview of -d `depth` shows: 8, 16 or 32.
int shown_depth(Depth depth);

// What the device shows for `count` pixels of the rows `chunk` holds, from `first_pixel` on: a
// true-colour format decoded back from its bytes at the shown depth (alpha as the format keeps
// it: none opaque, its own, or chroma-keyed pure green transparent), rgb565a8 its 16-bit colours
// under its own alpha, an indexed format's palette colours as the shown depth shows them (LVGL v7
// chroma keys those too), an alpha-only format black under its reduced alpha; each drawn with the
// opacity the release's blender draws it with (v8 mixes 16-bit colours in 32 steps, and at depth 8
// draws a pixel whole above alpha 128 and not at all otherwise). Under LVGL v9 the bytes of its own
// layout are read back as its software renderer draws them (show_v9_pixels; palette entries as
// stored, premultiplied or not). A raw format shows the decoded pixels as they are.
class ShownPixels {
   public:
    ShownPixels(const PreviewContent& content, EncoderSet& encoders);
    // The forms of the rows read from the stage itself.
    StageNeeds needs() const;
    // Writes the shown RGBA of `count` pixels from pixel `first_pixel` of `chunk` to `out`.
    void show(const EncodedChunk& chunk, std::size_t first_pixel, std::size_t count, std::uint8_t* out) const;

   private:
    // Sets up what LVGL v9 draws of `content`.
    void show_v9(const PreviewContent& content, EncoderSet& encoders);

    FormatFamily family_;
    bool chroma_key_ = false;
    std::optional<std::size_t> encoder_;
    Encoder spec_{};
    bool v9_ = false;  // v9's own layout: read back by show_v9_pixels
    ColorFormat format_ = ColorFormat::argb8888;
    std::optional<std::size_t> alpha_encoder_;  // v9's rgb565a8: its alpha plane
    std::size_t alpha_row_bytes_ = 0;
    std::array<std::uint8_t, 256 * 4> palette_{};  // an indexed format's colours as shown
    std::array<std::uint8_t, 256> opacity_{};      // the opacity each alpha is drawn with
};

class PreviewSink final : public Sink {
   public:
    // The preview of `content` written to `out`.
    PreviewSink(lvforge::SafeOutput& out, const PreviewContent& content, EncoderSet& encoders);
    ~PreviewSink() override;

    StageNeeds needs() const override { return shown_.needs(); }
    void begin_pass(int pass) override;
    void take(int pass, const EncodedChunk& chunk) override;
    void end_pass(int pass) override;

    // False when the PNG could not be made whole (no memory, a write that failed).
    bool ok() const { return ok_; }

   private:
    class PngWriter;

    // The compressor's job: every chunk of shown rows handed over, into the PNG.
    void compress();

    lvforge::SafeOutput& out_;
    std::uint32_t width_, height_;
    ShownPixels shown_;
    std::unique_ptr<PngWriter> png_;
    std::unique_ptr<HandOff> rows_;     // shown rows on their way to the compressor
    std::vector<std::uint8_t> inline_;  // shown rows compressed here, when no thread could be had
    std::unique_ptr<Worker> compressor_;
    bool ok_ = false;
};

}  // namespace pixmint
