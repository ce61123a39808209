// The building blocks of the indexed, alpha-only and binary formats:
// bit packing, alpha rounding, palettes, error diffusion and the preview PNG.
#include "pixmint/pixels/formats.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <cmath>
#include <string>
#include <vector>

#include "pixmint/output/bin_sink.h"
#include "pixmint/output/preview_sink.h"
#include "pixmint/output/true_color_bytes.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/indexed_rows.h"
#include "pixmint/pixels/palette.h"
#include "tests/pixmint/unit/pipeline_capture.h"

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;

RgbaImage image(std::uint32_t w, std::uint32_t h, const Bytes& px) {
    return RgbaImage{w, h, px};
}

// A w x h image whose pixels run smoothly through red, green, blue and alpha.
RgbaImage gradient(std::uint32_t w, std::uint32_t h) {
    RgbaImage img{w, h, Bytes(std::size_t{w} * h * 4)};
    for (std::uint32_t y = 0; y < h; ++y)
        for (std::uint32_t x = 0; x < w; ++x) {
            std::uint8_t* p = &img.px[(std::size_t{y} * w + x) * 4];
            p[0] = static_cast<std::uint8_t>(x * 255 / (w - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (h - 1));
            p[2] = static_cast<std::uint8_t>((x + y) * 127 / (w + h - 2));
            p[3] = static_cast<std::uint8_t>(255 - y * 128 / (h - 1));
        }
    return img;
}

TEST(Packing, RowsStartOnAByteBoundaryMostSignificantBitFirst) {
    struct Case {
        int bits;
        std::uint32_t w, h;
        Bytes values;
        Bytes packed;
    };
    const Case cases[] = {
        {1, 3, 2, {1, 0, 1, 0, 1, 1}, {0xa0, 0x60}},
        {1, 9, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1}, {0xff, 0x80}},
        {2, 5, 1, {3, 2, 1, 0, 3}, {0xe4, 0xc0}},
        {4, 3, 2, {0xa, 0xb, 0xc, 1, 2, 3}, {0xab, 0xc0, 0x12, 0x30}},
        {8, 2, 2, {7, 200, 0, 255}, {7, 200, 0, 255}},
        {4, 0, 3, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bits) + " bits, width " + std::to_string(c.w));
        EXPECT_EQ(packed_row_bytes(c.w, c.bits) * c.h, c.packed.size());
        EXPECT_EQ(pack_rows(c.values.data(), c.w, c.h, c.bits), c.packed);
    }
}

TEST(Packing, AlphaRoundsToTheNearestLevel) {
    struct Case {
        std::uint8_t a;
        int bits;
        std::uint8_t level;
    };
    for (const Case c : {Case{0, 1, 0},
                         {127, 1, 0},
                         {128, 1, 1},
                         {255, 1, 1},
                         {42, 2, 0},
                         {43, 2, 1},
                         {127, 2, 1},
                         {128, 2, 2},
                         {8, 4, 0},
                         {9, 4, 1},
                         {247, 4, 15},
                         {200, 8, 200}}) {
        EXPECT_EQ(reduce_alpha(c.a, c.bits), c.level) << int{c.a} << " at " << c.bits << " bits";
    }
    // Colour is dropped; rows are packed like indices.
    const RgbaImage img = image(3, 1, {9, 9, 9, 255, 1, 2, 3, 0, 0, 0, 0, 128});
    EXPECT_EQ(alpha_bytes(img, 1), Bytes{0xa0});
    EXPECT_EQ(alpha_bytes(img, 4), (Bytes{0xf0, 0x80}));
}

TEST(Packing, IndexedPaletteIsBlueGreenRedAlphaPaddedWithZeros) {
    const IndexedImage img{{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}, {2, 0, 1}};
    const Bytes expected = {3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 0, 0, 0, 0, 0x84};
    EXPECT_EQ(indexed_bytes(img, 3, 1, 2), expected);
    EXPECT_EQ(indexed_bytes(img, 3, 1, 8).size(), 256u * 4 + 3);
}

TEST(Palette, ExactColoursInOrderOfFirstAppearance) {
    const RgbaImage img = image(5, 1, {9, 9, 9, 255, 1, 2, 3, 4, 9, 9, 9, 255, 1, 2, 3, 5, 1, 2, 3, 4});
    const auto pal = build_palette(img, 2, true);
    ASSERT_TRUE(pal);
    EXPECT_EQ(pal->palette, (std::vector<Color32>{{9, 9, 9, 255}, {1, 2, 3, 4}, {1, 2, 3, 5}}));
    EXPECT_EQ(pal->index, (Bytes{0, 1, 0, 2, 1}));
    // Three colours do not fit one bit: the quantizer decides, within two entries.
    EXPECT_FALSE(exact_palette(img, 2));
    const auto two = build_palette(img, 1, false);
    ASSERT_TRUE(two);
    EXPECT_LE(two->palette.size(), 2u);
}

TEST(Palette, QuantizedPalettesAreDeterministicAndClose) {
    const RgbaImage img = gradient(64, 48);
    for (int bits : {2, 4, 8}) {
        for (bool dither : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, dither " + std::to_string(dither));
            const auto a = build_palette(img, bits, dither);
            const auto b = build_palette(img, bits, dither);
            ASSERT_TRUE(a && b);
            EXPECT_EQ(a->palette, b->palette);
            EXPECT_EQ(a->index, b->index);
            ASSERT_LE(a->palette.size(), std::size_t{1} << bits);
            double err = 0;
            for (std::size_t i = 0; i < a->index.size(); ++i) {
                ASSERT_LT(a->index[i], a->palette.size());
                const Color32 c = a->palette[a->index[i]];
                const std::uint8_t* p = &img.px[i * 4];
                err +=
                    std::abs(c.r - p[0]) + std::abs(c.g - p[1]) + std::abs(c.b - p[2]) + std::abs(c.a - p[3]);
            }
            // Mean error per component: a 256-colour palette is nearly exact.
            EXPECT_LT(err / static_cast<double>(img.px.size()), bits == 8 ? 4.0 : bits == 4 ? 16.0 : 40.0);
        }
    }
}

TEST(DepthReduction, ShownLevelsKeepTheirCode) {
    for (int bits = 1; bits <= 8; ++bits) {
        for (unsigned code = 0; code < (1u << bits); ++code)
            ASSERT_EQ(expand_bits(code, bits) >> (8 - bits), code) << bits << " bits";
        EXPECT_EQ(expand_bits((1u << bits) - 1, bits), 255);
    }
}

TEST(DepthReduction, DitheringKeepsTheMeanThatTruncationLoses) {
    struct Case {
        int depth;
        std::uint8_t level;
    };
    for (const Case c : {Case{8, 100}, {8, 20}, {16, 100}, {16, 203}}) {
        SCOPED_TRACE("depth " + std::to_string(c.depth) + " level " + std::to_string(c.level));
        RgbaImage flat{40, 30, Bytes(40 * 30 * 4, c.level)};
        const RgbaImage plain = reduce_depth(flat, c.depth, false);
        const RgbaImage dithered = reduce_depth(flat, c.depth, true);
        const ChannelBits cb = channel_bits(c.depth);
        for (int ch = 0; ch < 3; ++ch) {
            const int bits = ch == 0 ? cb.r : ch == 1 ? cb.g : cb.b;
            // Without dithering: the low bits dropped, exactly as the encoders drop them.
            EXPECT_EQ(plain.px[static_cast<std::size_t>(ch)],
                      expand_bits(unsigned{c.level} >> (8 - bits), bits));
            double sum = 0;
            for (std::size_t i = static_cast<std::size_t>(ch); i < dithered.px.size(); i += 4) {
                sum += dithered.px[i];
                ASSERT_EQ(dithered.px[i], expand_bits(unsigned{dithered.px[i]} >> (8 - bits), bits));
            }
            EXPECT_NEAR(sum / static_cast<double>(flat.size()), c.level, 1.0) << "channel " << ch;
        }
        EXPECT_EQ(dithered.px[3], c.level);  // alpha untouched
    }
}

TEST(BinaryImage, HeaderWordAndTrueColorLayouts) {
    EXPECT_EQ(bin_header(5, 3, 2), 5u | 3u << 10 | 2u << 21);
    EXPECT_EQ(bin_file(bin_header(14, 2047, 2047), {0xab}), (Bytes{0x0e, 0xfc, 0xff, 0xff, 0xab}));
    const RgbaImage px = image(1, 1, {200, 100, 50, 128});
    struct Case {
        TrueColorLayout layout;
        Bytes bytes;
    };
    const Case cases[] = {
        {{8, false, false, false}, {0xcc}},
        {{8, false, true, false}, {0xcc, 0x80}},
        {{16, false, true, false}, {0x26, 0xcb, 0x80}},
        {{16, true, false, false}, {0xcb, 0x26}},
        {{32, false, false, false}, {50, 100, 200, 255}},
        {{32, false, true, true}, {0x19, 0x32, 0x64, 0x80}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(true_color_bytes(px, c.layout), c.bytes)
            << c.layout.depth << (c.layout.swap ? " swapped" : "");
}

// The preview PNG the preview sink writes of `rows`, decoded to RGBA.
Bytes preview_of(RowSource& rows, const PreviewContent& content, bool dither = false) {
    const std::string png = test::run_into(
        rows,
        [&](lvforge::SafeOutput& out, EncoderSet& encoders) {
            return std::make_unique<PreviewSink>(out, content, encoders);
        },
        dither);
    int w = 0, h = 0, n = 0;
    stbi_uc* back = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                                          static_cast<int>(png.size()), &w, &h, &n, 4);
    if (back == nullptr) return {};
    Bytes out(back, back + w * h * 4);
    stbi_image_free(back);
    EXPECT_EQ(w, static_cast<int>(content.width));
    EXPECT_EQ(h, static_cast<int>(content.height));
    return out;
}

TEST(FormatTable, EveryWordNamesItsFormatAndV8KeepsEveryV7Format) {
    for (int i = 0; i <= static_cast<int>(ColorFormat::argb8888); ++i) {
        const auto format = static_cast<ColorFormat>(i);
        SCOPED_TRACE(word_of(format));
        const LvglVersion first = in_release(format, LvglVersion::v7)   ? LvglVersion::v7
                                  : in_release(format, LvglVersion::v8) ? LvglVersion::v8
                                                                        : LvglVersion::v9;
        EXPECT_EQ(format_of_word(word_of(format), first), format);
        EXPECT_TRUE(!in_release(format, LvglVersion::v7) || in_release(format, LvglVersion::v8));
    }
}

TEST(FormatTable, EachReleaseReadsItsOwnWords) {
    using V = LvglVersion;
    using F = ColorFormat;
    struct Case {
        const char* word;
        V lvgl;
        std::optional<F> format;
    };
    const Case cases[] = {
        {"true-color", V::v7, F::true_color},
        {"true-color", V::v9, std::nullopt},
        {"raw-chroma-keyed", V::v8, F::raw_chroma_keyed},
        {"raw-chroma-keyed", V::v9, std::nullopt},
        {"rgb565a8", V::v7, std::nullopt},
        {"rgb565a8", V::v8, F::rgb565a8},
        {"rgb565a8", V::v9, F::rgb565a8},
        {"indexed-auto", V::v7, F::indexed_auto},
        {"indexed-auto", V::v9, F::indexed_auto},
        {"indexed-4", V::v9, F::indexed_4},
        {"i4", V::v9, F::indexed_4},
        {"i4", V::v8, std::nullopt},
        {"alpha-2", V::v9, F::alpha_2},
        {"a2", V::v7, std::nullopt},
        {"argb8888", V::v9, F::argb8888},
        {"argb8888", V::v8, std::nullopt},
        {"raw-alpha", V::v9, F::raw_alpha},
        {"RGB565", V::v9, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word) + " under " + std::to_string(static_cast<int>(c.lvgl)));
        EXPECT_EQ(format_of_word(c.word, c.lvgl), c.format);
    }
}

TEST(FormatTable, EachLayoutNamesAFormatByItsOwnConstant) {
    using F = ColorFormat;
    struct Case {
        F format;
        unsigned cf;
        const char* constant;
        unsigned cf9;
        const char* constant9;
    };
    const Case cases[] = {
        {F::true_color_alpha, 5, "LV_IMG_CF_TRUE_COLOR_ALPHA", 0, ""},
        {F::indexed_2, 8, "LV_IMG_CF_INDEXED_2BIT", 0x08, "LV_COLOR_FORMAT_I2"},
        {F::alpha_8, 14, "LV_IMG_CF_ALPHA_8BIT", 0x0E, "LV_COLOR_FORMAT_A8"},
        {F::raw_alpha, 2, "LV_IMG_CF_RAW_ALPHA", 0x02, "LV_COLOR_FORMAT_RAW_ALPHA"},
        {F::rgb565a8, 20, "LV_IMG_CF_RGB565A8", 0x14, "LV_COLOR_FORMAT_RGB565A8"},
        {F::al88, 0, "", 0x15, "LV_COLOR_FORMAT_AL88"},
        {F::xrgb8888, 0, "", 0x11, "LV_COLOR_FORMAT_XRGB8888"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(word_of(c.format));
        EXPECT_EQ(cf_value(c.format), c.cf);
        EXPECT_STREQ(cf_constant(c.format), c.constant);
        EXPECT_EQ(cf_value_v9(c.format), c.cf9);
        EXPECT_STREQ(cf_constant_v9(c.format), c.constant9);
    }
    // indexed-auto settles on the indexed format of the bits it needs, under every release.
    EXPECT_TRUE(settled_on_image(F::indexed_auto));
    EXPECT_EQ(format_with_bits(FormatFamily::indexed, 2), F::indexed_2);
}

TEST(Preview, OpacityIsWhatEachReleasesBlenderDrawsWith) {
    struct Case {
        LvglVersion lvgl;
        Depth depth;
        std::uint8_t alpha, shown;
    };
    const Case cases[] = {
        // v8 at 16 bits: lv_color_mix's ratio (alpha + 4) >> 3 of 32; 1 to 3 draw nothing, 252 up all.
        {LvglVersion::v8, Depth::bits16, 3, 0},
        {LvglVersion::v8, Depth::bits16, 4, 8},
        {LvglVersion::v8, Depth::bits16, 128, 128},
        {LvglVersion::v8, Depth::bits16, 251, 247},
        {LvglVersion::v8, Depth::bits16, 252, 255},
        // v8 at 8 bits, anti-aliasing off: the mask rounded at 128.
        {LvglVersion::v8, Depth::bits8, 128, 0},
        {LvglVersion::v8, Depth::bits8, 129, 255},
        {LvglVersion::v8, Depth::bits24, 77, 77},
        {LvglVersion::v7, Depth::bits16, 3, 3},
        {LvglVersion::v7, Depth::bits8, 128, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("v" + std::to_string(static_cast<int>(c.lvgl)) + " depth " +
                     std::to_string(static_cast<int>(c.depth)) + " alpha " + std::to_string(c.alpha));
        const Bytes px{10, 20, 30, c.alpha};
        ImageRows rows(test::image_of(1, 1, 4, &px));
        const Bytes shown = preview_of(rows, {ColorFormat::true_color_alpha, c.depth, 1, 1, {}, c.lvgl, {}});
        ASSERT_EQ(shown.size(), 4u);
        EXPECT_EQ(shown[3], c.shown);
    }
}

TEST(Preview, PngHoldsWhatTheDeviceShows) {
    const Bytes src = {255, 255, 255, 10, 0, 255, 0, 200, 0x47, 0x47, 0x47, 255};
    struct Case {
        ColorFormat format;
        Depth depth;
        Bytes expected;
    };
    const Case cases[] = {
        {ColorFormat::true_color_alpha,
         Depth::all,
         {255, 255, 255, 10, 0, 255, 0, 200, 0x42, 0x45, 0x42, 255}},
        {ColorFormat::true_color_chroma_keyed,
         Depth::bits8,
         {255, 255, 255, 255, 0, 255, 0, 0, 0x49, 0x49, 0x55, 255}},
        {ColorFormat::true_color, Depth::bits24, {255, 255, 255, 255, 0, 255, 0, 255, 0x47, 0x47, 0x47, 255}},
        {ColorFormat::alpha_2, Depth::all, {0, 0, 0, 0, 0, 0, 0, 170, 0, 0, 0, 255}},
        {ColorFormat::raw, Depth::all, src},
    };
    for (const Case& c : cases) {
        ImageRows rows(test::image_of(3, 1, 4, &src));
        EXPECT_EQ(preview_of(rows, {c.format, c.depth, 3, 1, {}, LvglVersion::v7, {}}), c.expected)
            << static_cast<int>(c.format);
    }
    // An indexed image shows its palette colours as the depth shows them.
    IndexedRows indexed({{{0x47, 0x47, 0x47, 9}}, {0, 0, 0}}, 3, 1, ColorFormat::indexed_1);
    EXPECT_EQ(preview_of(indexed,
                         {ColorFormat::indexed_1, Depth::all, 3, 1, indexed.palette(), LvglVersion::v7, {}}),
              (Bytes{0x42, 0x45, 0x42, 9, 0x42, 0x45, 0x42, 9, 0x42, 0x45, 0x42, 9}));
}

}  // namespace
}  // namespace pixmint
