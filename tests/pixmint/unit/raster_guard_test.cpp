// The checks ahead of the raster decoder: they refuse exactly what would
// crash it or decode into made-up pixels, and nothing it decodes properly.
#include "pixmint/acquire/raster_guard.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/pixmint_choices.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using V = RasterVerdict;

const std::filesystem::path kSeeds = std::filesystem::path(LVFORGE_SOURCE_DIR) / "fuzz/corpus/pixmint_image";

// The image of a seed: the fuzz input without the bytes after it that pick pixmint's options
// (which would otherwise end a cut GIF frame, for one).
Bytes seed(const std::string& name) {
    const std::string text = lvforge::test::read_file((kSeeds / name).string());
    const std::size_t size =
        text.size() >= lvforge::fuzz::kChoiceBytes ? text.size() - lvforge::fuzz::kChoiceBytes : 0;
    return {text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size)};
}

// Decoded pixels, or nothing when the decoder refuses the file.
std::string decode(const Bytes& file) {
    int w = 0, h = 0, comp = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &comp, 0);
    if (pixels == nullptr) return {};
    std::string out(reinterpret_cast<const char*>(pixels), static_cast<std::size_t>(w * h * comp));
    stbi_image_free(pixels);
    return out;
}

// Every seed image of the fuzz corpus, with what the guard must say about it.
TEST(RasterGuard, SeedImages) {
    const struct {
        const char* name;
        V verdict;
    } cases[] = {
        {"rgba.png", V::decodable},
        {"palette.png", V::decodable},
        {"rgb.png", V::decodable},
        {"grey16.png", V::decodable},
        {"grey_alpha.png", V::decodable},
        {"rgb24.bmp", V::decodable},
        {"top_down.bmp", V::decodable},
        {"os2_rgb24.bmp", V::decodable},
        {"pal8.bmp", V::decodable},
        {"pal4.bmp", V::decodable},
        {"mono.bmp", V::decodable},
        {"rgb565.bmp", V::decodable},
        {"argb_v4.bmp", V::decodable},
        {"one_frame.gif", V::decodable},
        {"two_frames.gif", V::decodable},
        {"interlaced.gif", V::decodable},
        {"grey.jpg", V::decodable},
        {"rgb.jpg", V::decodable},
        {"rgb_full.jpg", V::decodable},
        {"dht_overflow.jpg", V::jpeg_huffman_overflow},
        {"cut_rows.bmp", V::bmp_pixels_missing},
        {"idat_overrun.png", V::png_chunk_overrun},
        {"cut_frame.gif", V::gif_frame_unterminated},
    };
    for (const auto& c : cases) {
        const Bytes file = seed(c.name);
        ASSERT_FALSE(file.empty()) << c.name;
        EXPECT_EQ(check_raster(file), c.verdict) << c.name;
        if (c.verdict == V::decodable) {
            EXPECT_FALSE(decode(file).empty()) << c.name;
        }
    }
}

// No cut of a BMP or GIF decodes into made-up pixels: whatever gets past both the guard and
// the decoder is the whole image (a GIF cut after its first frame still has all of it).
TEST(RasterGuard, NoCutBmpOrGifInventsPixels) {
    for (const char* name :
         {"rgb24.bmp", "top_down.bmp", "os2_rgb24.bmp", "pal8.bmp", "pal4.bmp", "mono.bmp", "rgb565.bmp",
          "argb_v4.bmp", "one_frame.gif", "two_frames.gif", "interlaced.gif"}) {
        const Bytes file = seed(name);
        const std::string whole = decode(file);
        ASSERT_FALSE(whole.empty()) << name;
        for (std::size_t cut = 1; cut < file.size(); ++cut) {
            const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
            if (check_raster(part) != V::decodable) continue;
            const std::string pixels = decode(part);
            EXPECT_TRUE(pixels.empty() || pixels == whole) << name << " cut to " << cut << " bytes";
        }
    }
}

// JPEG marker walks built by hand: where a Huffman table sits decides whether the decoder
// reaches it, and exactly 256 codes is still a valid table.
Bytes jpeg(std::initializer_list<Bytes> parts) {
    Bytes out{0xff, 0xd8};
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    out.insert(out.end(), {0xff, 0xd9});
    return out;
}

// A DHT segment with one table whose 16 counts sum to `codes`, the longest codes first.
Bytes dht(int codes, std::uint8_t table = 0x10) {
    Bytes counts(16, 0);
    for (std::size_t i = 16; i-- > 0 && codes > 0; codes -= counts[i]) {
        counts[i] = static_cast<std::uint8_t>(codes < 255 ? codes : 255);
    }
    int n = 0;
    for (std::uint8_t c : counts) n += c;
    const int length = 2 + 17 + n;
    Bytes out{0xff, 0xc4, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 255),
              table};
    out.insert(out.end(), counts.begin(), counts.end());
    out.insert(out.end(), static_cast<std::size_t>(n), 0x01);
    return out;
}

// An 8 x 8 grey image, flat: its tables (one code each), frame header, and its one scan, whose two
// codes (DC 0, end of block) take two bits.
Bytes image_segments() {
    Bytes out{0xff, 0xdb, 0, 67, 0};
    out.resize(out.size() + 64, 1);
    for (const std::uint8_t table : {std::uint8_t{0x00}, std::uint8_t{0x10}}) {
        const Bytes one_code{0xff, 0xc4, 0, 20, table, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        out.insert(out.end(), one_code.begin(), one_code.end());
    }
    const Bytes frame{0xff, 0xc0, 0, 11, 8, 0, 8, 0, 8, 1, 1, 0x11, 0};
    out.insert(out.end(), frame.begin(), frame.end());
    return out;
}
const Bytes kScan{0xff, 0xda, 0, 8, 1, 1, 0, 0, 63, 0, 0x3f};

TEST(RasterGuard, JpegHuffmanTables) {
    const Bytes image = image_segments();
    const Bytes app_hiding_dht{0xff, 0xe1, 0, 6, 0xff, 0xc4, 0xff, 0xff};
    const Bytes padding{0x00, 0x00};
    Bytes two_tables = dht(10);
    const Bytes second = dht(300, 0x01);
    two_tables.insert(two_tables.end(), second.begin() + 4, second.end());
    const int total = static_cast<int>(two_tables.size()) - 2;
    two_tables[2] = static_cast<std::uint8_t>(total >> 8);
    two_tables[3] = static_cast<std::uint8_t>(total & 255);

    const struct {
        const char* what;
        Bytes file;
        V verdict;
    } cases[] = {
        {"none", jpeg({image, kScan}), V::decodable},
        {"256 codes", jpeg({dht(256), image, kScan}), V::decodable},
        {"257 codes", jpeg({dht(257), image, kScan}), V::jpeg_huffman_overflow},
        {"all 16 counts at 255", jpeg({dht(16 * 255), image, kScan}), V::jpeg_huffman_overflow},
        {"second table of a segment", jpeg({two_tables, image, kScan}), V::jpeg_huffman_overflow},
        {"after padding and fill bytes", jpeg({dht(4), padding, Bytes{0xff}, dht(400), image, kScan}),
         V::jpeg_huffman_overflow},
        {"between scans", jpeg({image, kScan, dht(500), kScan}), V::jpeg_huffman_overflow},
        {"inside application data", jpeg({app_hiding_dht, image, kScan}), V::decodable},
        {"after an unknown marker", jpeg({Bytes{0xff, 0xc8, 0, 2}, dht(400), image, kScan}),
         V::jpeg_malformed},
        {"after the end of image",
         [&] {
             Bytes f = jpeg({image, kScan});
             const Bytes late = dht(400);
             f.insert(f.end(), late.begin(), late.end());
             return f;
         }(),
         V::decodable},
        {"cut inside the counts",
         [] {
             Bytes f = jpeg({dht(400)});
             f.resize(12);
             return f;
         }(),
         V::jpeg_malformed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(check_raster(c.file), c.verdict) << c.what;
        // Where the guard lets a table through, the decoder reads the image behind it.
        if (c.verdict == V::decodable) {
            EXPECT_FALSE(decode(c.file).empty()) << c.what;
        }
    }
}

}  // namespace
}  // namespace pixmint::test
