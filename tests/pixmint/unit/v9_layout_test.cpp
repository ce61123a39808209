// The v9 layout's building blocks against LVGL v9.2's own rules: the RLE code read back by
// lv_rle_decompress's walk, the stride of lv_draw_buf, and the -f words each release has.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/rle.h"
#include "pixmint/pixels/stride.h"
#include "tests/pixmint/support/lv_rle_reader.h"

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;

// `n` bytes: runs of one value of the given lengths, then bytes that never repeat.
Bytes runs_then_noise(std::initializer_list<std::size_t> runs, std::size_t noise) {
    Bytes out;
    std::uint8_t v = 1;
    for (std::size_t r : runs) out.insert(out.end(), r, v += 17);
    for (std::size_t i = 0; i < noise; ++i) out.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    return out;
}

TEST(Rle, DecompressesToTheInputWhateverItsRunsAndItsLastUnit) {
    const struct {
        const char* what;
        Bytes data;
    } inputs[] = {
        {"empty", {}},
        {"one byte", {42}},
        {"a run longer than a control byte counts", runs_then_noise({1000}, 0)},
        {"noise longer than a control byte counts", runs_then_noise({}, 1000)},
        {"runs of every length around the break-even", runs_then_noise({1, 2, 3, 4, 5, 6, 127, 128, 129}, 5)},
        {"noise, run, noise",
         [] {
             Bytes b = runs_then_noise({}, 130);
             b.insert(b.end(), 300, 9);
             const Bytes tail = runs_then_noise({}, 131);
             b.insert(b.end(), tail.begin(), tail.end());
             return b;
         }()},
        {"an odd count of bytes", runs_then_noise({9, 40}, 8)},  // 57 bytes
    };
    for (const auto& [what, data] : inputs) {
        for (std::size_t unit : {1u, 2u, 3u, 4u}) {
            SCOPED_TRACE(std::string(what) + ", unit " + std::to_string(unit));
            const Bytes code = rle_compress(data.data(), data.size(), unit);
            Bytes back(data.size(), 0xEE);
            EXPECT_EQ(test::lv_rle_decompress(code, back, unit), data.size());
            EXPECT_EQ(back, data);
        }
    }
}

TEST(Rle, LongRunsShrinkAndNoiseGrowsByItsControlBytesOnly) {
    const Bytes run(4000, 7);
    EXPECT_EQ(rle_compress(run.data(), run.size(), 4).size(), (1000 + 126) / 127 * 5);
    const Bytes noise = runs_then_noise({}, 1270);
    EXPECT_EQ(rle_compress(noise.data(), noise.size(), 1).size(), 1270u + 10u);
}

TEST(Stride, RowsRoundUpToTheAlignmentAsLvDrawBufDoes) {
    const struct {
        std::uint32_t width;
        int bits;
        unsigned align;
        std::uint32_t stride;
    } cases[] = {
        {13, 1, 1, 2},   {13, 2, 1, 4},   {13, 4, 1, 7},    {13, 8, 1, 13},      {13, 16, 1, 26},
        {13, 24, 1, 39}, {13, 32, 1, 52}, {13, 24, 16, 48}, {13, 1, 64, 64},     {2500, 32, 1024, 10240},
        {1, 1, 1, 1},    {8, 1, 4, 4},    {0, 32, 4, 0},    {2500, 24, 1, 7500},
    };
    for (const auto& c : cases)
        EXPECT_EQ(v9_stride(c.width, c.bits, c.align), c.stride) << c.width << " px of " << c.bits << " bits";
}

TEST(Formats, EachWordBelongsToItsReleases) {
    const struct {
        const char* word;
        bool v7, v9;
        ColorFormat format;
    } words[] = {
        {"true-color", true, false, ColorFormat::true_color},
        {"true-color-chroma-keyed", true, false, ColorFormat::true_color_chroma_keyed},
        {"raw-chroma-keyed", true, false, ColorFormat::raw_chroma_keyed},
        {"indexed-4", true, true, ColorFormat::indexed_4},
        {"i4", false, true, ColorFormat::indexed_4},
        {"alpha-8", true, true, ColorFormat::alpha_8},
        {"a8", false, true, ColorFormat::alpha_8},
        {"raw-alpha", true, true, ColorFormat::raw_alpha},
        {"rgb565a8", false, true, ColorFormat::rgb565a8},
        {"xrgb8888", false, true, ColorFormat::xrgb8888},
    };
    for (const auto& w : words) {
        SCOPED_TRACE(w.word);
        EXPECT_TRUE(is_format_word(w.word));
        EXPECT_EQ(format_of_word(w.word, LvglVersion::v7).has_value(), w.v7);
        EXPECT_EQ(format_of_word(w.word, LvglVersion::v9).has_value(), w.v9);
        EXPECT_EQ(format_of_word(w.word, w.v9 ? LvglVersion::v9 : LvglVersion::v7), w.format);
    }
    EXPECT_FALSE(is_format_word("RGB565"));
    EXPECT_FALSE(is_format_word("i3"));
    // v9 keeps v7's numbers for the formats both have, and names them its own way.
    EXPECT_EQ(cf_value(ColorFormat::indexed_4), 9u);
    EXPECT_STREQ(cf_constant(ColorFormat::indexed_4), "LV_IMG_CF_INDEXED_4BIT");
    EXPECT_STREQ(cf_constant_v9(ColorFormat::indexed_4), "LV_COLOR_FORMAT_I4");
    EXPECT_STREQ(cf_constant_v9(ColorFormat::true_color), "");
}

}  // namespace
}  // namespace pixmint
