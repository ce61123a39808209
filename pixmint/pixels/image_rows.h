// An image decoded whole, read as rows: the source every decoder other than
// the streaming PNG one gives, and what a stream becomes when the run needs
// the whole image at once (a palette, a resize, an output written in order).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "pixmint/pixels/image.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

class ImageRows final : public RowSource {
   public:
    explicit ImageRows(Image image) : image_(std::move(image)) {}

    std::uint32_t width() const override { return image_.width; }
    std::uint32_t height() const override { return image_.height; }
    int channels() const override { return image_.channels; }
    bool has_pixels() const override { return image_.pixels != nullptr; }
    const std::uint8_t* pixels() const override { return image_.pixels.get(); }
    bool read(std::uint8_t* rows, std::uint32_t count) override;
    bool rewind() override {
        next_row_ = 0;
        return true;
    }

    // The image itself, for the work that needs it whole.
    const Image& image() const { return image_; }
    // Hands the image over; the source is empty afterwards.
    Image take() { return std::move(image_); }

   private:
    Image image_;
    std::uint32_t next_row_ = 0;
};

// Every row of `source` read into one image; nullopt when the source fails to decode or there is
// no memory for the image (the caller can't tell which: both leave it without pixels to show).
std::optional<Image> read_whole(RowSource& source);

// The whole image of `rows` in memory, for work that needs it whole: `rows` itself when its pixels
// are in memory already (or it has none), else every row read, a stream that fails being decoded
// again the reference way; null when it can't be decoded at all.
std::unique_ptr<RowSource> whole_image(std::unique_ptr<RowSource> rows);

}  // namespace pixmint
