#include "pixmint/acquire/raster_guard.h"

#include <cstddef>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

// The header sizes the decoder takes a file starting "BM" for a BMP with; any other falls through
// to its later formats.
bool bmp_header_size_known(std::uint32_t hsz) {
    return hsz == 12 || hsz == 40 || hsz == 56 || hsz == 108 || hsz == 124;
}

}  // namespace

std::optional<RasterFormat> raster_format(std::span<const std::uint8_t> file) {
    // The decoder tries PNG, BMP and GIF first, then two formats of its own, then JPEG. None of
    // those signatures can begin another's, so the first match here is the decoder's choice too.
    const RasterReader bytes(file);
    if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return RasterFormat::png;
    if (bytes.starts_with("BM")) {
        RasterReader probe = bytes;
        probe.skip(14);
        if (bmp_header_size_known(probe.u32le())) return RasterFormat::bmp;
        return std::nullopt;
    }
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return RasterFormat::gif;
    // JPEG: a start-of-image marker, 0xff and any number of fill bytes 0xff before its code.
    std::size_t i = 0;
    while (i < file.size() && file[i] == 0xff) ++i;
    if (i > 0 && i < file.size() && file[i] == 0xd8) return RasterFormat::jpeg;
    return std::nullopt;
}

RasterVerdict check_raster_header(std::span<const std::uint8_t> head) {
    const auto format = raster_format(head);
    if (!format) return RasterVerdict::unknown_format;
    if (*format == RasterFormat::jpeg) return check_jpeg(head, JpegReach::frame_header);
    return RasterVerdict::decodable;
}

RasterVerdict check_raster(std::span<const std::uint8_t> file) {
    const auto format = raster_format(file);
    if (!format) return RasterVerdict::unknown_format;
    switch (*format) {
        case RasterFormat::png:
            return check_png(file, PngReach::data);
        case RasterFormat::bmp:
            return check_bmp(file);
        case RasterFormat::gif:
            return check_gif(file);
        case RasterFormat::jpeg:
            return check_jpeg(file, JpegReach::whole_image);
    }
    return RasterVerdict::unknown_format;
}

RasterVerdict check_raster_chunks(std::span<const std::uint8_t> file) {
    if (raster_format(file) == RasterFormat::png) return check_png(file, PngReach::chunks);
    return check_raster(file);
}

}  // namespace pixmint
