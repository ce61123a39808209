#include "pixmint/pixels/indexed_rows.h"

#include <cstring>

#include "pixmint/pixels/indexed_choice.h"
#include "pixmint/pixels/rgba_rows.h"

namespace pixmint {

bool IndexedRows::read(std::uint8_t* rows, std::uint32_t count) {
    if (count > height_ - next_row_) return false;
    std::memcpy(rows, image_.index.data() + std::size_t{next_row_} * width_, std::size_t{count} * width_);
    next_row_ += count;
    return true;
}

lvforge::Result<std::unique_ptr<IndexedRows>, Failure> index_image(ColorFormat format,
                                                                   std::unique_ptr<RowSource> rows,
                                                                   std::optional<IndexedImage> own,
                                                                   bool dither) {
    const std::uint32_t width = rows->width(), height = rows->height();
    const auto chosen_rows = [&](ChosenIndexed chosen) {
        return std::make_unique<IndexedRows>(std::move(chosen.indexed), width, height, chosen.format);
    };
    if (own) {
        auto kept = keep_own_palette(format, std::move(*own));
        if (!kept.ok()) return kept.error();
        return chosen_rows(std::move(kept.value()));
    }
    auto reader = rgba_rows(*rows);
    auto chosen = index_colors(format, *reader, dither);
    if (!reader->ok()) {
        // The stream failed in some pass: the reference decoder decides, and the palette is built
        // again from what it decodes.
        reader.reset();
        rows = rows->decode_again();
        if (rows == nullptr) return fatal(FailureKind::image_load);
        reader = rgba_rows(*rows);
        chosen = index_colors(format, *reader, dither);
    }
    if (!chosen.ok()) return chosen.error();
    return chosen_rows(std::move(chosen.value()));
}

}  // namespace pixmint
