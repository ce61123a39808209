// The decoder reads a BMP's rows from where its header walk says they start
// and fills whatever lies past the end of the file with zeros (black). A
// palette image's pixels are looked up in a 256-entry table of which only the
// entries the file holds are set: an index past them takes whatever that
// memory held. The arithmetic below is the decoder's, so that "start", "row"
// and "palette" are what it would use.
#include <algorithm>
#include <cstdint>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

constexpr std::int64_t kMaxSide = std::int64_t{1} << 24;  // the decoder refuses larger sides

// Whether every palette index of the rows starting at `start` (`row` bytes apart, padding
// included) is below `entries`. The rows lie within `file`.
bool indices_within_palette(std::span<const std::uint8_t> file, std::int64_t start, std::int64_t row,
                            std::int64_t width, std::int64_t height, std::uint32_t bpp,
                            std::int64_t entries) {
    const std::uint32_t per_byte = 8 / bpp;
    const std::uint32_t mask = (1u << bpp) - 1;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* bytes = file.data() + start + y * row;
        for (std::int64_t x = 0; x < width; ++x) {
            // Most significant bits first, as the decoder unpacks them.
            const std::uint32_t shift = (per_byte - 1 - static_cast<std::uint32_t>(x) % per_byte) * bpp;
            const std::uint32_t index = (std::uint32_t{bytes[x / per_byte]} >> shift) & mask;
            if (index >= entries) return false;
        }
    }
    return true;
}

}  // namespace

RasterVerdict check_bmp(std::span<const std::uint8_t> file) {
    RasterReader in(file);
    in.skip(10);
    const auto offset = static_cast<std::int32_t>(in.u32le());
    const std::uint32_t hsz = in.u32le();
    if (offset < 0) return RasterVerdict::decodable;
    std::int64_t width = 0, height = 0;
    if (hsz == 12) {
        width = in.u16le();
        height = in.u16le();
    } else {
        width = in.u32le();
        height = static_cast<std::int32_t>(in.u32le());  // negative: rows stored top first
    }
    height = height < 0 ? -height : height;
    if (width > kMaxSide || height > kMaxSide) return RasterVerdict::decodable;
    in.skip(2);  // planes
    const std::uint32_t bpp = in.u16le();
    std::uint32_t compression = 0;
    if (hsz != 12) compression = in.u32le();
    // Bit-field masks follow the short headers; the longer ones hold them inside.
    const bool masks_after_header = (hsz == 40 || hsz == 56) && compression == 3 && (bpp == 16 || bpp == 32);
    const std::int64_t header_end = 14 + std::int64_t{hsz} + (masks_after_header ? 12 : 0);

    // Palette entries the decoder reads (3 bytes each after the short header, else 4).
    std::int64_t palette = 0;
    const std::int64_t entry = hsz == 12 ? 3 : 4;
    if (hsz == 12) {
        if (bpp < 24) palette = (offset - 38) / 3;  // the decoder's own (odd) count
    } else if (bpp < 16) {
        const std::int64_t room = offset - header_end;
        palette = room >= 0 ? room / 4 : -((-room + 3) / 4);  // floor, as its shift does
    }
    if (palette == 0 && offset != header_end) return RasterVerdict::decodable;         // it refuses
    if (bpp < 16 && (palette == 0 || palette > 256)) return RasterVerdict::decodable;  // it refuses
    // A negative count reads no entry, but still enters the skip to the rows.
    const std::int64_t palette_bytes = std::max<std::int64_t>(palette, 0) * entry;
    const std::int64_t gap = offset - header_end - (bpp < 16 ? palette * entry : 0);

    std::int64_t row = 0;  // bytes of one row, its padding to 4 bytes included
    switch (bpp) {
        case 1:
            row = (width + 7) >> 3;
            break;
        case 4:
            row = (width + 1) >> 1;
            break;
        case 8:
            row = width;
            break;
        case 16:
            row = 2 * width;
            break;
        case 24:
            row = 3 * width;
            break;
        default:
            if (bpp < 16) return RasterVerdict::decodable;  // it refuses other palette depths
            row = 4 * width;                                // read in 32-bit units, never padded
    }
    row += (-row) & 3;
    const std::int64_t rows = row * height;
    if (rows == 0) return RasterVerdict::decodable;
    // A negative gap sends the decoder to the end of the file: every row would be made up.
    if (gap < 0) return RasterVerdict::bmp_pixels_missing;
    const std::int64_t start = header_end + palette_bytes + gap;
    if (start + rows > static_cast<std::int64_t>(in.size())) return RasterVerdict::bmp_pixels_missing;
    // A negative palette count sets no entry at all, so then no index is within it.
    if (bpp < 16 &&
        !indices_within_palette(file, start, row, width, height, bpp, std::max<std::int64_t>(palette, 0)))
        return RasterVerdict::bmp_index_outside_palette;
    return RasterVerdict::decodable;
}

}  // namespace pixmint
