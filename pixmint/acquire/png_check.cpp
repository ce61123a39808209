// The decoder grows its buffer for the compressed data to a data chunk's
// declared length before reading it: a file of a few bytes declaring a 2 GiB
// chunk makes it reserve 2 GiB, only to find the data missing. It reads
// chunks up to the end-of-image chunk; past the end of the file it fails.
// Once it has all the data chunks it inflates them, and where the compressed
// stream runs out it goes on for a few bytes with zero bits: so the stream
// must end within the data, which zlib tells by inflating it. A palette
// image's pixels are then looked up in a 256-entry table of which only the
// entries the PLTE chunk holds are set, so each index is checked against
// them, on rows unfiltered as the decoder unfilters them. Where zlib refuses
// data the decoder's own inflater takes, that inflater settles both.
#include <stb_image.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

constexpr std::uint32_t kChunkHeader = 0x49484452;   // "IHDR"
constexpr std::uint32_t kChunkPalette = 0x504c5445;  // "PLTE"
constexpr std::uint32_t kChunkData = 0x49444154;     // "IDAT"
constexpr std::uint32_t kChunkEnd = 0x49454e44;      // "IEND"
constexpr std::uint32_t kChunkApple = 0x43674249;    // "CgBI": a stream without the zlib header
constexpr int kPaletteColour = 3;

// What the IHDR chunk says.
struct Header {
    std::uint32_t width = 0, height = 0;
    int depth = 0, color_type = 0;
    bool interlaced = false;
};

// A pass of the image: its first column and row and its steps (Adam7's seven, or the one whole image).
struct Pass {
    std::uint32_t x0, y0, dx, dy;
};
constexpr std::array<Pass, 7> kAdam7{
    {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr std::array<Pass, 1> kWhole{{{0, 0, 1, 1}}};

// Columns and rows of `pass`, and bytes of one of its rows without the filter byte.
struct PassSize {
    std::uint64_t columns, rows, row_bytes;
};

// Bytes of the inflated rows of every pass, filter bytes included; saturated, as a header may
// claim sizes no file holds.
std::uint64_t rows_bytes(const Header& h);
PassSize pass_size(const Header& h, const Pass& p) {
    const std::uint64_t columns = h.width > p.x0 ? (h.width - p.x0 + p.dx - 1) / p.dx : 0;
    const std::uint64_t rows = h.height > p.y0 ? (h.height - p.y0 + p.dy - 1) / p.dy : 0;
    return {columns, rows, (columns * static_cast<std::uint64_t>(h.depth) + 7) / 8};
}

std::span<const Pass> passes(const Header& h) {
    return h.interlaced ? std::span<const Pass>(kAdam7) : std::span<const Pass>(kWhole);
}

std::uint64_t rows_bytes(const Header& h) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t total = 0;
    for (const Pass& p : passes(h)) {
        const PassSize size = pass_size(h, p);
        if (size.columns == 0) continue;
        if (size.rows > (kMost - total) / (1 + size.row_bytes)) return kMost;
        total += size.rows * (1 + size.row_bytes);
    }
    return total;
}

// How a compressed stream ends.
enum class StreamEnd { within, short_of_it, undecided };

// Whether the deflate stream spread over `pieces` ends within them, keeping the first `keep`
// bytes it inflates to in `kept`. zlib is stricter than the decoder in places (it refuses some
// code sets the decoder takes), so where it reports an error the decoder is left to decide.
StreamEnd inflate_stream(const std::vector<std::span<const std::uint8_t>>& pieces, std::size_t keep,
                         std::vector<std::uint8_t>& kept) {
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) return StreamEnd::undecided;
    std::array<Bytef, 1 << 15> scratch{};
    StreamEnd end = StreamEnd::short_of_it;
    for (const auto& piece : pieces) {
        zs.next_in = const_cast<Bytef*>(piece.data());  // zlib's interface; it only reads
        zs.avail_in = static_cast<uInt>(piece.size());
        while (zs.avail_in > 0 && end == StreamEnd::short_of_it) {
            zs.next_out = scratch.data();
            zs.avail_out = static_cast<uInt>(scratch.size());
            const int r = inflate(&zs, Z_NO_FLUSH);
            const std::size_t got = scratch.size() - zs.avail_out;
            kept.insert(kept.end(), scratch.begin(),
                        scratch.begin() +
                            static_cast<std::ptrdiff_t>(std::min(got, keep - std::min(keep, kept.size()))));
            if (r == Z_STREAM_END)
                end = StreamEnd::within;
            else if (r != Z_OK)
                end = StreamEnd::undecided;
        }
        if (end != StreamEnd::short_of_it) break;
    }
    inflateEnd(&zs);
    return end;
}

// The decoder's own inflater on `stream`, the joined data chunks (their zlib header included
// when `zlib_header`): its output, or nothing where it fails.
std::optional<std::vector<std::uint8_t>> decoder_inflate(const std::vector<std::uint8_t>& stream,
                                                         bool zlib_header) {
    int length = 0;
    char* out = stbi_zlib_decode_malloc_guesssize_headerflag(reinterpret_cast<const char*>(stream.data()),
                                                             static_cast<int>(stream.size()), 1 << 14,
                                                             &length, zlib_header ? 1 : 0);
    if (out == nullptr) return std::nullopt;
    std::vector<std::uint8_t> bytes(out, out + length);
    stbi_image_free(out);
    return bytes;
}

// The Paeth predictor of the PNG filters.
int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Whether no pixel of the palette image whose inflated rows are `raw` names an entry past
// `entries`. Rows the decoder would refuse (too few of them, an unknown filter) end the look.
bool indices_within_palette(std::span<const std::uint8_t> raw, const Header& h, std::uint32_t entries) {
    // Too few bytes for every row: the decoder refuses the image (and no row is as long as a
    // header may claim).
    if (rows_bytes(h) > raw.size()) return true;
    std::size_t at = 0;
    const auto mask = static_cast<std::uint32_t>((1 << h.depth) - 1);
    for (const Pass& p : passes(h)) {
        const PassSize size = pass_size(h, p);
        if (size.columns == 0 || size.rows == 0) continue;
        std::vector<std::uint8_t> prior(size.row_bytes, 0), row(size.row_bytes);
        for (std::uint64_t y = 0; y < size.rows; ++y, at += 1 + size.row_bytes) {
            if (raw[at] > 4) return true;  // an unknown filter: the decoder refuses it
            const int filter = raw[at];
            for (std::size_t i = 0; i < row.size(); ++i) {
                // One byte a pixel at most: the previous byte is the pixel to the left.
                const int a = i > 0 ? row[i - 1] : 0, b = prior[i], c = i > 0 ? prior[i - 1] : 0;
                const int predicted = filter == 1   ? a
                                      : filter == 2 ? b
                                      : filter == 3 ? (a + b) / 2
                                      : filter == 4 ? paeth(a, b, c)
                                                    : 0;
                row[i] = static_cast<std::uint8_t>(raw[at + 1 + i] + predicted);
            }
            for (std::uint64_t x = 0; x < size.columns; ++x) {
                const std::uint64_t bit = x * static_cast<std::uint64_t>(h.depth);
                const auto shift =
                    static_cast<std::uint32_t>(8 - static_cast<std::uint64_t>(h.depth) - bit % 8);
                const std::uint32_t index = (std::uint32_t{row[bit / 8]} >> shift) & mask;
                if (index >= entries) return false;
            }
            std::swap(prior, row);
        }
    }
    return true;
}

}  // namespace

RasterVerdict check_png(std::span<const std::uint8_t> file, PngReach reach) {
    RasterReader in(file);
    in.skip(8);  // signature
    std::vector<std::span<const std::uint8_t>> data;
    bool zlib_header = true;
    Header header;
    std::uint32_t entries = 0;
    while (!in.at_end()) {
        const std::uint32_t length = in.u32be();
        const std::uint32_t type = in.u32be();
        if (type == kChunkEnd) {
            if (data.empty()) return RasterVerdict::decodable;  // it refuses an image without data
            if (reach == PngReach::chunks) return RasterVerdict::decodable;
            const std::vector<std::span<const std::uint8_t>> chunks = data;
            // The decoder checks the two-byte zlib header itself; the stream starts after it.
            std::size_t skip = zlib_header ? 2 : 0;
            for (auto& piece : data) {
                const std::size_t cut = std::min(skip, piece.size());
                piece = piece.subspan(cut);
                skip -= cut;
            }
            // A palette image's inflated rows are kept, as many as the decoder reads.
            const std::size_t keep =
                header.color_type == kPaletteColour
                    ? static_cast<std::size_t>(std::min<std::uint64_t>(rows_bytes(header), SIZE_MAX))
                    : 0;
            std::vector<std::uint8_t> rows;
            const StreamEnd end = inflate_stream(data, keep, rows);
            if (end == StreamEnd::short_of_it) return RasterVerdict::png_data_short;
            if (end == StreamEnd::undecided) {
                // zlib refused the data, which the decoder's laxer inflater may still take: ask that
                // one, then again with bytes of ones after the data. Output that changes with what
                // follows the data was made from bits the file does not hold.
                std::vector<std::uint8_t> stream;
                for (const auto& chunk : chunks) stream.insert(stream.end(), chunk.begin(), chunk.end());
                const auto plain = decoder_inflate(stream, zlib_header);
                if (!plain) return RasterVerdict::decodable;  // it refuses the data too
                stream.insert(stream.end(), 8, 0xff);
                if (decoder_inflate(stream, zlib_header) != plain) return RasterVerdict::png_data_short;
                rows.assign(plain->begin(),
                            plain->begin() + static_cast<std::ptrdiff_t>(std::min(keep, plain->size())));
            }
            if (keep != 0 && !indices_within_palette(rows, header, entries))
                return RasterVerdict::png_index_outside_palette;
            return RasterVerdict::decodable;
        }
        if (length > in.left()) return RasterVerdict::png_chunk_overrun;
        RasterReader chunk(file.subspan(in.pos(), length));
        if (type == kChunkHeader && header.depth == 0) {
            header.width = chunk.u32be();
            header.height = chunk.u32be();
            header.depth = chunk.u8();
            header.color_type = chunk.u8();
            chunk.skip(2);  // compression and filter methods
            header.interlaced = chunk.u8() == 1;
            // Only palette depths are looked into; the decoder refuses other palette depths.
            if (header.color_type == kPaletteColour && header.depth != 1 && header.depth != 2 &&
                header.depth != 4 && header.depth != 8)
                header.color_type = 0;
        }
        if (type == kChunkPalette) entries = length / 3;
        if (type == kChunkData) data.push_back(file.subspan(in.pos(), length));
        if (type == kChunkApple) zlib_header = false;
        in.skip(std::int64_t{length} + 4);  // data and checksum
    }
    return RasterVerdict::decodable;
}

}  // namespace pixmint
