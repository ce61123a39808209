// The streamed PNG decoding against the reference decoder: for every PNG of
// the golden cases and the fuzz corpus, and for a table of PNGs made here
// with every colour type, depth and transparency and with compressed data
// cut short, the rows streamed are exactly the reference's pixels, or the
// stream gives up and the reference decodes the file instead.
#include "pixmint/acquire/png_stream.h"

#include <gtest/gtest.h>
#include <stb_image.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pixmint/acquire/png_layout.h"
#include "pixmint/acquire/raster_guard.h"
#include "pixmint/pixels/rgba_rows.h"
#include "tests/support/test_support.h"

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a decoder made of a file: its size, channels and pixels; nothing when it refused it.
struct Decoded {
    int width = 0, height = 0, channels = 0;
    Bytes pixels;
    friend bool operator==(const Decoded&, const Decoded&) = default;
};

// What a run decodes the reference way: the raster guard's whole walk, then stb_image.
std::optional<Decoded> reference(const Bytes& file) {
    if (check_raster(file) != RasterVerdict::decodable) return std::nullopt;
    Decoded d;
    stbi_uc* p = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &d.width, &d.height,
                                       &d.channels, 0);
    if (p == nullptr) return std::nullopt;
    d.pixels.assign(p, p + std::size_t(d.width) * std::size_t(d.height) * std::size_t(d.channels));
    stbi_image_free(p);
    return d;
}

// How the streamed decoding went.
enum class Route {
    reference,  // not streamed: the file is no plain PNG, or its zlib header is refused
    streamed,   // every row streamed
    gave_up,    // the stream failed part way and the reference decoded the file again
};

struct Outcome {
    Route route = Route::reference;
    std::optional<Decoded> decoded;  // what the run ends up with
};

Outcome streamed(const Bytes& file) {
    const std::optional<PngLayout> layout = plain_png_layout(file);
    if (!layout) return {Route::reference, reference(file)};
    FileHandle none;
    auto stream = PngStream::open(none, file, *layout);
    if (stream == nullptr) return {Route::reference, reference(file)};
    Decoded d{static_cast<int>(stream->width()), static_cast<int>(stream->height()), stream->channels(), {}};
    d.pixels.resize(std::size_t(d.width) * std::size_t(d.height) * std::size_t(d.channels));
    // In chunks of a few rows, as the pipeline reads them.
    bool ok = true;
    for (std::uint32_t y = 0; ok && y < stream->height(); y += 3) {
        const std::uint32_t n = std::min<std::uint32_t>(3, stream->height() - y);
        ok = stream->read(d.pixels.data() + std::size_t(y) * std::size_t(d.width) * std::size_t(d.channels),
                          n);
    }
    if (ok) return {Route::streamed, d};
    auto again = stream->decode_again();
    if (again == nullptr) return {Route::gave_up, std::nullopt};
    Decoded r{static_cast<int>(again->width()), static_cast<int>(again->height()), again->channels(), {}};
    r.pixels.assign(again->pixels(),
                    again->pixels() + std::size_t(r.width) * std::size_t(r.height) * std::size_t(r.channels));
    return {Route::gave_up, r};
}

Bytes read_bytes(const std::filesystem::path& path) {
    const std::string s = lvforge::test::read_file(path.string());
    return Bytes(s.begin(), s.end());
}

bool is_png(const Bytes& file) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    return file.size() >= 8 && std::memcmp(file.data(), kSignature, 8) == 0;
}

TEST(StreamedPng, EveryGoldenAndCorpusPngDecodesAsTheReferenceDecodesIt) {
    const std::filesystem::path root(LVFORGE_SOURCE_DIR);
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root / "tests/golden/pixmint"))
        if (e.is_regular_file() && e.path().parent_path().filename() == "in") files.push_back(e.path());
    for (const auto& e : std::filesystem::directory_iterator(root / "fuzz/corpus/pixmint_image"))
        files.push_back(e.path());
    int pngs = 0, streamed_whole = 0;
    for (const auto& path : files) {
        const Bytes file = read_bytes(path);
        // The guard sees every file first; what it refuses is never decoded.
        if (!is_png(file) || check_raster_chunks(file) != RasterVerdict::decodable) continue;
        const auto layout = plain_png_layout(file);
        // Files far larger than any test image are left to the limits the run enforces first.
        if (layout && std::uint64_t{layout->width} * layout->height > (std::uint64_t{1} << 24)) continue;
        ++pngs;
        SCOPED_TRACE(path.string());
        const Outcome got = streamed(file);
        EXPECT_EQ(got.decoded, reference(file));
        if (got.route == Route::streamed) ++streamed_whole;
    }
    // The table means something only if most of the files really were streamed.
    EXPECT_GT(pngs, 60);
    EXPECT_GT(streamed_whole, pngs / 3);
}

// ---- PNGs made here -------------------------------------------------------

void put32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(Bytes& out, const char* type, const Bytes& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out,
          static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// The filter of a made row: the five types the format defines in turn, row after row.
constexpr int kEveryFilter = -1;

// One PNG to make: the header's fields, rows of samples as stored (filtered here), the PLTE and
// tRNS chunks, and how many bytes to cut off the end of the compressed data.
struct Made {
    const char* name;
    std::uint32_t width, height;
    int depth, color;
    Bytes samples;  // height rows, each (width * samples per pixel * depth + 7) / 8 bytes
    Bytes plte, trns;
    std::size_t cut = 0;
    bool fixed_codes = false;  // compress with fixed Huffman codes instead of dynamic ones
    int filter = 0;            // each row's filter type (one the format lacks: that byte, unfiltered)
};

// `row` filtered with `type`, given the row above (`prior`, zeros above the first) and the bytes
// of a whole pixel (`bpp`); any other type leaves the bytes as they are.
Bytes filtered(int type, const std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        const int predicted[] = {0, a, b, (a + b) / 2, paeth};
        out[i] = static_cast<std::uint8_t>(row[i] - (type >= 0 && type <= 4 ? predicted[type] : 0));
    }
    return out;
}

Bytes make(const Made& m) {
    const int per_pixel = m.color == 2 ? 3 : m.color == 4 ? 2 : m.color == 6 ? 4 : 1;
    const std::size_t stride = (std::size_t(m.width) * std::size_t(per_pixel) * std::size_t(m.depth) + 7) / 8;
    const std::size_t bpp = std::max<std::size_t>(1, std::size_t(per_pixel) * std::size_t(m.depth) / 8);
    Bytes raw;
    const Bytes zeros(stride);
    for (std::uint32_t y = 0; y < m.height; ++y) {
        const int type = m.filter == kEveryFilter ? static_cast<int>(y % 5) : m.filter;
        raw.push_back(static_cast<std::uint8_t>(type));
        const Bytes row = filtered(type, &m.samples[y * stride],
                                   y == 0 ? zeros.data() : &m.samples[(y - 1) * stride], stride, bpp);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    z_stream zs{};
    deflateInit2(&zs, 6, Z_DEFLATED, 15, 8, m.fixed_codes ? Z_FIXED : Z_DEFAULT_STRATEGY);
    Bytes z(deflateBound(&zs, static_cast<uLong>(raw.size())));
    zs.next_in = raw.data();
    zs.avail_in = static_cast<uInt>(raw.size());
    zs.next_out = z.data();
    zs.avail_out = static_cast<uInt>(z.size());
    deflate(&zs, Z_FINISH);
    z.resize(zs.total_out - m.cut);
    deflateEnd(&zs);

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    put32(ihdr, m.width);
    put32(ihdr, m.height);
    ihdr.insert(ihdr.end(),
                {static_cast<std::uint8_t>(m.depth), static_cast<std::uint8_t>(m.color), 0, 0, 0});
    chunk(out, "IHDR", ihdr);
    if (!m.plte.empty()) chunk(out, "PLTE", m.plte);
    if (!m.trns.empty()) chunk(out, "tRNS", m.trns);
    // The data in two chunks, as encoders often split it.
    const std::size_t half = z.size() / 2;
    chunk(out, "IDAT", Bytes(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(half)));
    chunk(out, "IDAT", Bytes(z.begin() + static_cast<std::ptrdiff_t>(half), z.end()));
    chunk(out, "IEND", {});
    return out;
}

// `n` bytes running through every value, so that every sample value turns up.
Bytes ramp(std::size_t n, unsigned step = 37) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * step + i / 7);
    return b;
}

TEST(StreamedPng, EveryColourTypeDepthAndTransparencyDecodesAsTheReferenceDecodesIt) {
    // 13 pixels a row, so that rows of small samples end part way through a byte.
    constexpr std::uint32_t kW = 13, kH = 5;
    Bytes palette;
    for (int i = 0; i < 12; ++i)
        palette.insert(palette.end(), {std::uint8_t(i * 20), std::uint8_t(255 - i), 7});
    // Indices below the 12 palette entries, whatever their depth.
    const auto indices = [&](int depth) {
        Bytes b((std::size_t(kW) * std::size_t(depth) + 7) / 8 * kH);
        for (std::size_t i = 0; i < b.size(); ++i)
            b[i] = static_cast<std::uint8_t>(depth == 8 ? i % 12 : i % 2 ? 0x21 : 0x10);
        return b;
    };
    const auto rows = [&](int per_pixel, int depth) {
        return ramp((std::size_t(kW) * std::size_t(per_pixel) * std::size_t(depth) + 7) / 8 * kH);
    };
    // Ten rows: two of each filter type.
    const auto tall = [&](int per_pixel, int depth) {
        return ramp((std::size_t(kW) * std::size_t(per_pixel) * std::size_t(depth) + 7) / 8 * 10);
    };
    // 16-bit samples where each row's first pixel is exactly the key 0x2500 (every sample) and its
    // second differs from it in the low byte only, so that only the full sample tells them apart.
    const auto keyed16 = [&](int per_pixel) {
        Bytes b = rows(per_pixel, 16);
        const std::size_t stride = std::size_t(kW) * std::size_t(per_pixel) * 2;
        for (std::size_t y = 0; y < kH; ++y)
            for (int k = 0; k < per_pixel; ++k) {
                std::uint8_t* p = &b[y * stride + std::size_t(k) * 2];
                p[0] = 0x25, p[1] = 0x00;
                p[per_pixel * 2] = 0x25, p[per_pixel * 2 + 1] = 0x01;
            }
        return b;
    };
    const Made cases[] = {
        {"grey 1", kW, kH, 1, 0, rows(1, 1), {}, {}},
        {"grey 2 keyed", kW, kH, 2, 0, rows(1, 2), {}, {0, 2}},
        {"grey 4 keyed", kW, kH, 4, 0, rows(1, 4), {}, {0, 9}},
        {"grey 8", kW, kH, 8, 0, rows(1, 8), {}, {}},
        // The reference compares only the low byte of an 8-bit image's key.
        {"grey 8 keyed high byte", kW, kH, 8, 0, rows(1, 8), {}, {1, 37}},
        {"grey 16 keyed", kW, kH, 16, 0, keyed16(1), {}, {0x25, 0x00}},
        {"rgb 8", kW, kH, 8, 2, rows(3, 8), {}, {}},
        {"rgb 8 keyed", kW, kH, 8, 2, rows(3, 8), {}, {0, 0, 0, 37, 0, 74}},
        {"rgb 16", kW, kH, 16, 2, rows(3, 16), {}, {}},
        {"rgb 16 keyed", kW, kH, 16, 2, keyed16(3), {}, {0x25, 0x00, 0x25, 0x00, 0x25, 0x00}},
        {"grey alpha 8", kW, kH, 8, 4, rows(2, 8), {}, {}},
        {"grey alpha 16", kW, kH, 16, 4, rows(2, 16), {}, {}},
        {"rgba 8", kW, kH, 8, 6, rows(4, 8), {}, {}},
        {"rgba 16", kW, kH, 16, 6, rows(4, 16), {}, {}},
        {"palette 1", kW, kH, 1, 3, indices(1), palette, {}},
        {"palette 2", kW, kH, 2, 3, indices(2), palette, {}},
        {"palette 4 part transparent", kW, kH, 4, 3, indices(4), palette, {0, 128, 255}},
        {"palette 8 transparent", kW, kH, 8, 3, indices(8), palette, Bytes(12, 99)},
        // An index past the palette: the guard refuses what stb_image would fill from memory nothing set.
        {"palette index past the end", kW, kH, 8, 3, ramp(kW * kH), palette, {}},
        // Compressed data that breaks off: after the checksum's first bytes, inside the last block,
        // before the last rows.
        {"cut in the checksum", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 2},
        {"cut before the checksum", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 4},
        {"cut 1 into the last block", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 5},
        {"cut 2 into the last block", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 6},
        {"cut 3 into the last block", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 7},
        {"cut 1 into the last block, fixed codes", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 5, true},
        {"cut 2 into the last block, fixed codes", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 6, true},
        {"cut before the end", 64, 64, 8, 6, ramp(64 * 64 * 4, 3), {}, {}, 40},
        // Every filter type, row after row, at each size of a whole pixel (1, 2, 3, 4, 6, 8 bytes).
        {"every filter, grey 4", kW, 10, 4, 0, tall(1, 4), {}, {}, 0, false, kEveryFilter},
        {"every filter, grey alpha 8", kW, 10, 8, 4, tall(2, 8), {}, {}, 0, false, kEveryFilter},
        {"every filter, rgb 8", kW, 10, 8, 2, tall(3, 8), {}, {}, 0, false, kEveryFilter},
        {"every filter, rgba 8", kW, 10, 8, 6, tall(4, 8), {}, {}, 0, false, kEveryFilter},
        {"every filter, rgb 16", kW, 10, 16, 2, tall(3, 16), {}, {}, 0, false, kEveryFilter},
        {"every filter, rgba 16", kW, 10, 16, 6, tall(4, 16), {}, {}, 0, false, kEveryFilter},
        // A filter type the format lacks: the reference refuses the file.
        {"filter type 5", kW, kH, 8, 6, rows(4, 8), {}, {}, 0, false, 5},
    };
    for (const Made& m : cases) {
        SCOPED_TRACE(m.name);
        const Bytes file = make(m);
        const std::optional<Decoded> want = reference(file);
        const Outcome got = streamed(file);
        if (got.route == Route::streamed) {
            ASSERT_TRUE(want) << "streamed what the reference refuses";
            EXPECT_EQ(*got.decoded, *want);
        } else {
            EXPECT_EQ(got.decoded.has_value(), want.has_value());
            if (want && got.decoded) {
                EXPECT_EQ(*got.decoded, *want);
            }
        }
    }
}

TEST(StreamedPng, RowsReadInPassesAreTheImagesRowsWhereverTheReaderGoes) {
    // Tall and narrow, for many chunks of rows; RGB, so that every row is widened to RGBA.
    constexpr std::uint32_t kW = 3, kH = 40000;
    const Bytes file = make({"rgb", kW, kH, 8, 2, ramp(std::size_t(kW) * 3 * kH, 11), {}, {}});
    const std::optional<Decoded> want = reference(file);
    ASSERT_TRUE(want);
    const auto layout = plain_png_layout(file);
    ASSERT_TRUE(layout);
    FileHandle none;
    auto stream = PngStream::open(none, file, *layout);
    ASSERT_NE(stream, nullptr);
    const auto rows = rgba_rows(*stream);
    // The passes a quantizer makes: whole, broken off part way, whole again; then jumps both ways.
    std::vector<std::uint32_t> order;
    for (std::uint32_t y = 0; y < kH; ++y) order.push_back(y);
    for (std::uint32_t y = 0; y < kH / 3; ++y) order.push_back(y);
    for (std::uint32_t y = 0; y < kH; y += 7) order.push_back(y);
    order.insert(order.end(), {kH - 1, kH - 1, 5, 39000, 17, 0});
    for (const std::uint32_t y : order) {
        const std::uint8_t* got = rows->row(y);
        for (std::uint32_t x = 0; x < kW; ++x) {
            const std::uint8_t* p = &want->pixels[(std::size_t(y) * kW + x) * 3];
            ASSERT_EQ(Bytes(got + x * 4, got + x * 4 + 4), (Bytes{p[0], p[1], p[2], 255})) << "row " << y;
        }
    }
    EXPECT_TRUE(rows->ok());
}

}  // namespace
}  // namespace pixmint
