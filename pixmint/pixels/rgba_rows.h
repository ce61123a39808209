// An image's rows as RGBA, read by index, for the work that passes over an
// image more than once (building a palette, then indexing every pixel).
// Rows in memory are read where they are; a PNG stream is decoded again for
// each pass, a few chunks ahead on a thread of its own, instead of being
// held whole beside the quantizer's own tables.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "pixmint/pixels/rgba_image.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

class RgbaRows {
   public:
    virtual ~RgbaRows() = default;

    virtual std::uint32_t width() const = 0;
    virtual std::uint32_t height() const = 0;
    // Row `y` as RGBA, valid until the next call. Rows are best read in order: going back to an
    // earlier row costs a pass over the rows before it.
    virtual const std::uint8_t* row(std::uint32_t y) = 0;
    // False once a row could not be decoded; the rows given since are zeros.
    virtual bool ok() const { return true; }
};

// The rows of an RGBA image held elsewhere.
class ViewRows final : public RgbaRows {
   public:
    explicit ViewRows(RgbaView view) : view_(view) {}
    std::uint32_t width() const override { return view_.width; }
    std::uint32_t height() const override { return view_.height; }
    const std::uint8_t* row(std::uint32_t y) override { return view_.px + std::size_t{y} * view_.width * 4; }

   private:
    RgbaView view_;
};

// The rows of `source` (which must outlive them) as RGBA.
std::unique_ptr<RgbaRows> rgba_rows(RowSource& source);

}  // namespace pixmint
