#include "pixmint/pixels/indexed_rows.h"

#include <cstring>

namespace pixmint {

bool IndexedRows::read(std::uint8_t* rows, std::uint32_t count) {
    if (count > height_ - next_row_) return false;
    std::memcpy(rows, image_.index.data() + std::size_t{next_row_} * width_, std::size_t{count} * width_);
    next_row_ += count;
    return true;
}

lvforge::Result<std::unique_ptr<IndexedRows>, Failure> index_colours(const RowSource& rows, int bits,
                                                                     bool dither) {
    // Four-channel pixels are RGBA already; others are widened into a copy the palette is built from.
    RgbaImage widened;
    RgbaView view{rows.pixels(), rows.width(), rows.height()};
    if (rows.channels() != 4) {
        widened = to_rgba(rows.pixels(), rows.width(), rows.height(), rows.channels());
        view = widened;
    }
    auto indexed = build_palette(view, bits, dither);
    if (!indexed) return fatal(FailureKind::palette_failed);
    return std::make_unique<IndexedRows>(std::move(*indexed), rows.width(), rows.height());
}

}  // namespace pixmint
