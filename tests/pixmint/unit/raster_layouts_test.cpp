// The raster guard against files written in every layout the four formats
// allow: each gets through and decodes to what its writer put in, no cut of
// one yields a pixel the whole file would not, and each way of leaving
// pixels undefined is kept away, even where the decoder would take the file.
#include <gtest/gtest.h>
#include <stb_image.h>
#include <zlib.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "pixmint/acquire/acquire.h"
#include "pixmint/acquire/raster_guard.h"
#include "tests/pixmint/raster_writers.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using V = RasterVerdict;

struct Layout {
    std::string what;
    RasterFile file;
};

std::vector<Layout> layouts() {
    std::vector<Layout> all;
    for (int bpp : {1, 4, 8, 16, 24, 32})
        for (bool top_down : {false, true})
            all.push_back({"BMP " + std::to_string(bpp) + (top_down ? " top-down" : " bottom-up"),
                           bmp({.bpp = bpp, .top_down = top_down}, 13, 7)});
    all.push_back({"BMP 16 bit fields", bmp({.bpp = 16, .bit_fields = true}, 13, 7)});
    all.push_back(
        {"BMP 32 bit fields, top-down", bmp({.bpp = 32, .top_down = true, .bit_fields = true}, 13, 7)});
    all.push_back({"BMP V4 32 with alpha", bmp({.header = 108, .bpp = 32, .bit_fields = true}, 13, 7)});
    all.push_back({"BMP V4 16 bit fields", bmp({.header = 108, .bpp = 16, .bit_fields = true}, 13, 7)});
    all.push_back({"BMP V5 32 with alpha, top-down",
                   bmp({.header = 124, .bpp = 32, .top_down = true, .bit_fields = true}, 13, 7)});
    all.push_back({"BMP V5 8", bmp({.header = 124, .bpp = 8}, 13, 7)});
    all.push_back({"BMP 56-byte header 24", bmp({.header = 56, .bpp = 24}, 13, 7)});
    all.push_back({"BMP OS/2 24", bmp({.header = 12, .bpp = 24}, 13, 7)});
    all.push_back({"BMP 8 with 100 colours", bmp({.bpp = 8, .entries = 100}, 13, 7)});
    all.push_back({"GIF", gif({}, 13, 7)});
    all.push_back({"GIF interlaced", gif({.interlaced = true}, 13, 11)});
    all.push_back({"GIF local table, interlaced", gif({.local_table = true, .interlaced = true}, 13, 7)});
    all.push_back({"GIF 256 colours", gif({.table_bits = 8}, 13, 7)});
    all.push_back({"GIF 2 colours", gif({.table_bits = 1}, 13, 7)});
    all.push_back({"GIF transparent index", gif({.transparent = 1}, 13, 7)});
    all.push_back({"GIF frame inside the screen", gif({.x = 2, .y = 1, .w = 7, .h = 4}, 13, 7)});
    for (const auto& [type, depth] : {std::pair{0, 1},
                                      {0, 2},
                                      {0, 4},
                                      {0, 8},
                                      {0, 16},
                                      {4, 8},
                                      {4, 16},
                                      {2, 8},
                                      {2, 16},
                                      {6, 8},
                                      {6, 16},
                                      {3, 1},
                                      {3, 2},
                                      {3, 4},
                                      {3, 8}})
        for (bool interlaced : {false, true})
            all.push_back({"PNG type " + std::to_string(type) + " depth " + std::to_string(depth) +
                               (interlaced ? " interlaced" : ""),
                           png({.color_type = type, .bit_depth = depth, .interlaced = interlaced}, 13, 7)});
    all.push_back(
        {"PNG palette with tRNS", png({.color_type = 3, .bit_depth = 4, .transparency = true}, 13, 7)});
    for (bool progressive : {false, true}) {
        const std::string p = progressive ? " progressive" : "";
        all.push_back({"JPEG 4:2:0" + p, jpeg({.progressive = progressive}, 24, 17)});
        all.push_back({"JPEG 4:4:4" + p, jpeg({.subsampled = false, .progressive = progressive}, 24, 17)});
        all.push_back({"JPEG grey" + p, jpeg({.components = 1, .progressive = progressive}, 24, 17)});
        all.push_back(
            {"JPEG restart every MCU" + p, jpeg({.progressive = progressive, .restart = 1}, 24, 17)});
        all.push_back({"JPEG grey, restart every 3" + p,
                       jpeg({.components = 1, .progressive = progressive, .restart = 3}, 24, 17)});
    }
    return all;
}

// Decoded pixels, or nothing when the decoder refuses the file.
Bytes decode(const Bytes& file) {
    int w = 0, h = 0, comp = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &comp, 0);
    if (pixels == nullptr) return {};
    Bytes out(pixels, pixels + w * h * comp);
    stbi_image_free(pixels);
    return out;
}

TEST(RasterLayouts, EveryLayoutDecodesToWhatWasWritten) {
    lvforge::test::TempDir dir;
    std::vector<std::pair<std::string, Bytes>> jpegs;
    for (const Layout& l : layouts()) {
        EXPECT_EQ(check_raster(l.file.bytes), V::decodable) << l.what;
        // Through acquisition as a run does it, from a file whose name claims another format.
        const std::string path = dir / "image.gif";
        lvforge::test::write_file(path, std::string(l.file.bytes.begin(), l.file.bytes.end()));
        Options options;
        options.image_path = path;
        const Acquired got = acquire_image(options);
        ASSERT_FALSE(got.failure) << l.what;
        EXPECT_EQ(got.image.width, static_cast<std::uint32_t>(l.file.width)) << l.what;
        EXPECT_EQ(got.image.height, static_cast<std::uint32_t>(l.file.height)) << l.what;
        EXPECT_EQ(got.image.channels, l.file.channels) << l.what;
        const Bytes pixels(got.image.pixels.get(),
                           got.image.pixels.get() + got.image.width * got.image.height *
                                                        static_cast<std::uint32_t>(got.image.channels));
        if (!l.file.pixels.empty()) {
            EXPECT_EQ(pixels, l.file.pixels) << l.what;
        }
        if (l.what.starts_with("JPEG")) jpegs.emplace_back(l.what, pixels);
    }
    // A progressive JPEG holds the very coefficients of its baseline twin.
    for (const auto& [what, pixels] : jpegs) {
        if (!what.ends_with(" progressive")) continue;
        const auto twin = std::find_if(jpegs.begin(), jpegs.end(), [&](const auto& j) {
            return j.first == what.substr(0, what.size() - std::string(" progressive").size());
        });
        ASSERT_NE(twin, jpegs.end()) << what;
        EXPECT_EQ(pixels, twin->second) << what;
    }
}

TEST(RasterLayouts, NoCutYieldsAPixelTheWholeFileDoesNot) {
    // Between them these JPEGs take every path of the walk (interleaved and single-component scans,
    // spectral selection, refinement, restarts); the other JPEG layouts only repeat them.
    const std::set<std::string> jpegs{"JPEG 4:2:0", "JPEG grey progressive",
                                      "JPEG restart every MCU progressive", "JPEG grey, restart every 3"};
    for (const Layout& l : layouts()) {
        if (l.what.starts_with("JPEG") && !jpegs.contains(l.what)) continue;
        const Bytes whole = decode(l.file.bytes);
        for (std::size_t cut = 1; cut < l.file.bytes.size(); ++cut) {
            const Bytes part(l.file.bytes.begin(), l.file.bytes.begin() + static_cast<std::ptrdiff_t>(cut));
            if (check_raster(part) != V::decodable) continue;
            const Bytes pixels = decode(part);
            ASSERT_TRUE(pixels.empty() || pixels == whole) << l.what << " cut to " << cut << " bytes";
        }
    }
}

// `file` with `n` bytes at `at` replaced by `with`.
Bytes splice(Bytes file, std::size_t at, std::size_t n, const Bytes& with = {}) {
    file.erase(file.begin() + static_cast<std::ptrdiff_t>(at),
               file.begin() + static_cast<std::ptrdiff_t>(at + n));
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), with.begin(), with.end());
    return file;
}

// A JPEG without its segments of marker `m`.
Bytes without_segments(Bytes file, std::uint8_t m) {
    for (std::size_t at = 2; at + 4 < file.size() && file[at + 1] != 0xda;) {
        const std::size_t length = 2 + (std::size_t{file[at + 2]} << 8 | file[at + 3]);
        if (file[at + 1] == m)
            file = splice(file, at, length);
        else
            at += length;
    }
    return file;
}

// Where a BMP's pixel rows start.
std::size_t bmp_rows(const Bytes& file) {
    return std::size_t{file[10]} | std::size_t{file[11]} << 8 | std::size_t{file[12]} << 16;
}

// A PNG whose compressed stream lacks its last byte: the data chunk without the zlib checksum's four
// bytes and one more, its length and checksum still right.
Bytes png_data_cut(Bytes file) {
    const Bytes idat{'I', 'D', 'A', 'T'};
    const auto at = static_cast<std::size_t>(std::search(file.begin(), file.end(), idat.begin(), idat.end()) -
                                             file.begin() - 4);
    const std::size_t length = std::size_t{file[at]} << 24 | std::size_t{file[at + 1]} << 16 |
                               std::size_t{file[at + 2]} << 8 | file[at + 3];
    Bytes chunk(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                file.begin() + static_cast<std::ptrdiff_t>(at + 8 + length - 5));
    const auto crc = static_cast<std::uint32_t>(crc32(0, chunk.data(), static_cast<unsigned>(chunk.size())));
    Bytes rebuilt{0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        rebuilt[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((length - 5) >> (24 - 8 * i));
    rebuilt.insert(rebuilt.end(), chunk.begin(), chunk.end());
    for (int i = 0; i < 4; ++i) rebuilt.push_back(static_cast<std::uint8_t>(crc >> (24 - 8 * i)));
    return splice(file, at, 12 + length, rebuilt);
}

TEST(RasterLayouts, UndefinedPixelsAreKeptAway) {
    const Bytes palette8 = bmp({.bpp = 8, .entries = 100}, 13, 7).bytes;
    const Bytes one_colour = bmp({.bpp = 1, .entries = 1}, 13, 7).bytes;
    const Bytes baseline = jpeg({}, 24, 17).bytes;
    const Bytes restarts = jpeg({.restart = 1}, 24, 17).bytes;
    const Bytes progressive = jpeg({.components = 1, .progressive = true}, 24, 17).bytes;
    const auto scans = jpeg_scans(baseline);
    const auto progressive_scans = jpeg_scans(progressive);
    // The scan's last restart marker.
    std::size_t last_restart = jpeg_scans(restarts)[0].data_end;
    while (restarts[last_restart] != 0xff || restarts[last_restart + 1] < 0xd0 ||
           restarts[last_restart + 1] > 0xd7)
        --last_restart;
    const std::size_t mid_scan = (scans[0].start + scans[0].data_end) / 2;
    // What the decoder does with the file: decodes it (the run would write pixels the file does not
    // hold), refuses it, or reads memory nothing set (so the test does not try).
    enum class Decoder { takes, refuses, unsafe };
    const struct {
        const char* what;
        Bytes file;
        V verdict;
        Decoder decoder;
    } cases[] = {
        {"BMP index past a 100-colour palette", splice(palette8, bmp_rows(palette8) + 5, 1, {200}),
         V::bmp_index_outside_palette, Decoder::takes},
        {"BMP index past a 1-colour palette", splice(one_colour, bmp_rows(one_colour), 1, {0x40}),
         V::bmp_index_outside_palette, Decoder::takes},
        {"GIF index past a 2-colour table",
         gif({.table_bits = 1, .code_size = 2, .index_limit = 4}, 13, 7).bytes, V::gif_index_outside_table,
         Decoder::takes},
        {"GIF codes ending before the last pixel", gif({.pixels_coded = 50}, 13, 7).bytes, V::gif_frame_short,
         Decoder::takes},
        {"GIF background past the table", gif({.background = 9, .x = 1, .y = 1, .w = 5, .h = 3}, 13, 7).bytes,
         V::gif_background_outside_table, Decoder::takes},
        {"GIF background without a global table",
         gif({.local_table = true, .background = 1, .x = 1, .y = 1, .w = 5, .h = 3}, 13, 7).bytes,
         V::gif_background_outside_table, Decoder::takes},
        {"PNG compressed stream a byte short", png_data_cut(png({}, 13, 7).bytes), V::png_data_short,
         Decoder::refuses},
        {"JPEG scan cut, end marker added",
         splice(baseline, mid_scan, baseline.size() - mid_scan, {0xff, 0xd9}), V::jpeg_blocks_missing,
         Decoder::takes},
        {"JPEG restart marker missing", splice(restarts, last_restart, 2), V::jpeg_blocks_missing,
         Decoder::refuses},
        {"JPEG cut at a restart marker, end marker added",
         splice(restarts, last_restart, restarts.size() - last_restart, {0xff, 0xd9}), V::jpeg_blocks_missing,
         Decoder::takes},
        {"JPEG without quantization tables", without_segments(baseline, 0xdb), V::jpeg_table_missing,
         Decoder::unsafe},
        {"JPEG without Huffman tables", without_segments(baseline, 0xc4), V::jpeg_table_missing,
         Decoder::unsafe},
        {"progressive JPEG without its first DC scan",
         splice(progressive, progressive_scans[0].start,
                progressive_scans[0].data_end - progressive_scans[0].start),
         V::jpeg_blocks_missing, Decoder::unsafe},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(check_raster(c.file), c.verdict) << c.what;
        if (c.decoder != Decoder::unsafe) {
            EXPECT_EQ(decode(c.file).empty(), c.decoder == Decoder::refuses) << c.what;
        }
    }
}

// Content of formats pixmint does not read is refused whatever its name, though the decoder
// reads every one of them (the short ones with pixels made up, or not at all: it crashes).
TEST(RasterLayouts, OtherFormatsAreNotRecognised) {
    for (const ForeignFile& f : foreign_files()) {
        EXPECT_FALSE(raster_format(f.bytes)) << f.what;
        EXPECT_EQ(check_raster_header(f.bytes), V::unknown_format) << f.what;
        if (!f.crashes_decoder) {
            EXPECT_FALSE(decode(f.bytes).empty()) << f.what;
        }
    }
}

}  // namespace
}  // namespace pixmint::test
