// The decoder grows its buffer for the compressed data to a data chunk's
// declared length before reading it: a file of a few bytes declaring a 2 GiB
// chunk makes it reserve 2 GiB, only to find the data missing. It reads
// chunks up to the end-of-image chunk; past the end of the file it fails.
// Once it has all the data chunks it inflates them, and where the compressed
// stream runs out it goes on for a few bytes with zero bits: so the stream
// must end within the data, which zlib tells by inflating it.
#include <zlib.h>

#include <array>
#include <cstdint>
#include <vector>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

constexpr std::uint32_t kChunkEnd = 0x49454e44;    // "IEND"
constexpr std::uint32_t kChunkData = 0x49444154;   // "IDAT"
constexpr std::uint32_t kChunkApple = 0x43674249;  // "CgBI": a stream without the zlib header

// How a compressed stream ends.
enum class StreamEnd { within, short_of_it, undecided };

// Whether the deflate stream spread over `pieces` ends within them. zlib is stricter than the
// decoder in places (it refuses some code sets the decoder takes), so where it reports an error
// the decoder is left to decide.
StreamEnd deflate_stream_end(const std::vector<std::span<const std::uint8_t>>& pieces) {
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) return StreamEnd::undecided;
    std::array<Bytef, 1 << 15> scratch{};
    StreamEnd end = StreamEnd::short_of_it;
    for (const auto& piece : pieces) {
        zs.next_in = const_cast<Bytef*>(piece.data());  // zlib's interface; it only reads
        zs.avail_in = static_cast<uInt>(piece.size());
        while (zs.avail_in > 0) {
            zs.next_out = scratch.data();
            zs.avail_out = static_cast<uInt>(scratch.size());
            const int r = inflate(&zs, Z_NO_FLUSH);
            if (r == Z_STREAM_END) {
                end = StreamEnd::within;
                break;
            }
            if (r != Z_OK && r != Z_BUF_ERROR) {
                end = StreamEnd::undecided;
                break;
            }
        }
        if (end != StreamEnd::short_of_it) break;
    }
    inflateEnd(&zs);
    return end;
}

}  // namespace

RasterVerdict check_png(std::span<const std::uint8_t> file) {
    RasterReader in(file);
    in.skip(8);  // signature
    std::vector<std::span<const std::uint8_t>> data;
    bool zlib_header = true;
    while (!in.at_end()) {
        const std::uint32_t length = in.u32be();
        const std::uint32_t type = in.u32be();
        if (type == kChunkEnd) {
            if (data.empty()) return RasterVerdict::decodable;  // it refuses an image without data
            // The decoder checks the two-byte zlib header itself; the stream starts after it.
            std::size_t header = zlib_header ? 2 : 0;
            for (auto& piece : data) {
                const std::size_t cut = std::min(header, piece.size());
                piece = piece.subspan(cut);
                header -= cut;
            }
            return deflate_stream_end(data) == StreamEnd::short_of_it ? RasterVerdict::png_data_short
                                                                      : RasterVerdict::decodable;
        }
        if (length > in.left()) return RasterVerdict::png_chunk_overrun;
        if (type == kChunkData) data.push_back(file.subspan(in.pos(), length));
        if (type == kChunkApple) zlib_header = false;
        in.skip(std::int64_t{length} + 4);  // data and checksum
    }
    return RasterVerdict::decodable;
}

}  // namespace pixmint
