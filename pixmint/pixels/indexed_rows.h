// An image reduced to a palette: the palette, and the rows as one palette
// index a pixel, which is what the indexed encoders and the preview read.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

class IndexedRows final : public RowSource {
   public:
    IndexedRows(IndexedImage image, std::uint32_t width, std::uint32_t height, ColorFormat format)
        : image_(std::move(image)), width_(width), height_(height), format_(format) {}

    std::uint32_t width() const override { return width_; }
    std::uint32_t height() const override { return height_; }
    int channels() const override { return 1; }
    const std::uint8_t* pixels() const override { return image_.index.data(); }
    bool read(std::uint8_t* rows, std::uint32_t count) override;
    bool rewind() override {
        next_row_ = 0;
        return true;
    }

    // The palette the indices point into.
    const std::vector<Color32>& palette() const { return image_.palette; }
    // The indexed format that holds them (indexed-auto settles on one).
    ColorFormat format() const { return format_; }

   private:
    IndexedImage image_;
    std::uint32_t width_, height_;
    ColorFormat format_;
    std::uint32_t next_row_ = 0;
};

// The image `rows` in the indexed `format`: with `own` (--keep-palette) that palette and its indices
// (keep_own_palette), otherwise index_colors over the rows read in several passes (a stream decoded
// again for each). Fails as those do, and with image_load when the rows can't be decoded (the
// reference decoder having had its say).
lvforge::Result<std::unique_ptr<IndexedRows>, Failure> index_image(ColorFormat format,
                                                                   std::unique_ptr<RowSource> rows,
                                                                   std::optional<IndexedImage> own,
                                                                   bool dither);

}  // namespace pixmint
