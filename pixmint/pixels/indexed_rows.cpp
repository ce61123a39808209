#include "pixmint/pixels/indexed_rows.h"

#include <cstring>

#include "pixmint/pixels/rgba_rows.h"

namespace pixmint {

bool IndexedRows::read(std::uint8_t* rows, std::uint32_t count) {
    if (count > height_ - next_row_) return false;
    std::memcpy(rows, image_.index.data() + std::size_t{next_row_} * width_, std::size_t{count} * width_);
    next_row_ += count;
    return true;
}

lvforge::Result<std::unique_ptr<IndexedRows>, Failure> index_colours(std::unique_ptr<RowSource> rows,
                                                                     int bits, bool dither) {
    const std::uint32_t width = rows->width(), height = rows->height();
    auto reader = rgba_rows(*rows);
    auto indexed = build_palette(*reader, bits, dither);
    if (!reader->ok()) {
        // The stream failed in some pass: the reference decoder decides, and the palette is built
        // again from what it decodes.
        reader.reset();
        rows = rows->decode_again();
        if (rows == nullptr) return fatal(FailureKind::image_load);
        reader = rgba_rows(*rows);
        indexed = build_palette(*reader, bits, dither);
    }
    if (!indexed) return fatal(FailureKind::palette_failed);
    return std::make_unique<IndexedRows>(std::move(*indexed), width, height);
}

}  // namespace pixmint
