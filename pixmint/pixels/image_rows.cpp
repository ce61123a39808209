#include "pixmint/pixels/image_rows.h"

#include <cstring>

namespace pixmint {

bool ImageRows::read(std::uint8_t* rows, std::uint32_t count) {
    if (image_.pixels == nullptr || count > image_.height - next_row_) return false;
    const std::size_t row_bytes = std::size_t{image_.width} * static_cast<std::size_t>(image_.channels);
    std::memcpy(rows, image_.pixels.get() + next_row_ * row_bytes, count * row_bytes);
    next_row_ += count;
    return true;
}

std::optional<Image> read_whole(RowSource& source) {
    Image image;
    image.width = source.width();
    image.height = source.height();
    image.channels = source.channels();
    const std::size_t bytes =
        std::size_t{image.width} * image.height * static_cast<std::size_t>(image.channels);
    image.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(bytes == 0 ? 1 : bytes)));
    if (image.pixels == nullptr) return std::nullopt;
    if (source.pixels() != nullptr) {
        std::memcpy(image.pixels.get(), source.pixels(), bytes);
    } else if (!source.read(image.pixels.get(), image.height)) {
        return std::nullopt;
    }
    return image;
}

std::unique_ptr<RowSource> whole_image(std::unique_ptr<RowSource> rows) {
    if (rows == nullptr || rows->pixels() != nullptr || !rows->has_pixels()) return rows;
    if (auto image = read_whole(*rows)) return std::make_unique<ImageRows>(std::move(*image));
    return rows->decode_again();
}

}  // namespace pixmint
