// The true-colour sections of the C file, made by the real pipeline and C
// sink: the documented pixel values, the row layout, grey input, and a
// cross-check of every section against a plain snprintf formatter on random
// pixels of every channel count.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "pixmint/output/c_file.h"
#include "pixmint/output/c_sink.h"
#include "tests/pixmint/unit/pipeline_capture.h"

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr ColorFormat kTrueColor = ColorFormat::true_color;
constexpr ColorFormat kTrueColorAlpha = ColorFormat::true_color_alpha;
constexpr ColorFormat kTrueColorChromaKeyed = ColorFormat::true_color_chroma_keyed;

// One encoder call: the pixels' geometry, -f and -v.
struct Job {
    std::uint32_t width, height;
    int channels;
    ColorFormat cf;
    bool premultiply;
};

Job job_for(std::uint32_t w, std::uint32_t h, int channels, ColorFormat cf = kTrueColor,
            bool premultiply = false) {
    return {w, h, channels, cf, premultiply};
}

// The C file of `pixels` with every section, without a banner.
std::string c_file(const Job& job, const Bytes* pixels) {
    ImageRows rows(test::image_of(job.width, job.height, job.channels, pixels));
    return test::run_into(rows, [&](lvforge::SafeOutput& out, EncoderSet& encoders) {
        const CFileContent content{{"x.c", "x", "X"},
                                   job.cf,
                                   Depth::all,
                                   job.premultiply,
                                   false,
                                   std::nullopt,
                                   job.width,
                                   job.height,
                                   pixels != nullptr,
                                   {},
                                   {},
                                   std::nullopt};
        return std::make_unique<CSink>(out, content, encoders);
    });
}

// The section `which` of `file`, a C file of format `cf`: from its guard to its end; "" when absent.
std::string section_of(const std::string& file, Section which, ColorFormat cf) {
    const std::string opening = section_opening(which, cf);
    const std::string guard = opening.substr(0, opening.find('\n') + 1);
    const auto at = file.find(guard);
    if (at == std::string::npos) return "";
    return file.substr(at, file.find(kSectionEnd, at) + std::string(kSectionEnd).size() - at);
}

// The section `which` of the C file of `pixels`.
std::string section(Section which, const Job& job, const Bytes* pixels) {
    return section_of(c_file(job, pixels), which, job.cf);
}

// The row lines of a section (everything between its comment line and "#endif").
std::string rows_of(const std::string& sec) {
    const auto first = sec.find('\n', sec.find('\n') + 1) + 1;
    const auto end = sec.rfind("#endif\n");
    return sec.substr(first, end - first);
}

// Row text of a single pixel.
std::string one_pixel(Section enc, Bytes px, ColorFormat cf = kTrueColor, bool premultiply = false) {
    const int channels = static_cast<int>(px.size());
    return rows_of(section(enc, job_for(1, 1, channels, cf, premultiply), &px));
}

TEST(PixelValues, PrimaryColoursInEverySection) {
    struct Case {
        Bytes px;
        const char* v8;
        const char* v16;
        const char* v16swap;
        const char* v32;
    };
    const Case cases[] = {
        {{255, 0, 0}, "  0xe0, \n", "  0x00, 0xf8, \n", "  0xf8, 0x00, \n", "  0x00, 0x00, 0xff, 0xff, \n"},
        {{0, 255, 0}, "  0x1c, \n", "  0xe0, 0x07, \n", "  0x07, 0xe0, \n", "  0x00, 0xff, 0x00, 0xff, \n"},
        {{0, 0, 255}, "  0x03, \n", "  0x1f, 0x00, \n", "  0x00, 0x1f, \n", "  0xff, 0x00, 0x00, 0xff, \n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(one_pixel(Section::bits8, c.px), c.v8);
        EXPECT_EQ(one_pixel(Section::bits16, c.px), c.v16);
        EXPECT_EQ(one_pixel(Section::bits16_swap, c.px), c.v16swap);
        EXPECT_EQ(one_pixel(Section::bits32, c.px), c.v32);
    }
}

TEST(PixelValues, LowBitsAreDroppedNotRounded) {
    // 0xdf would round up to the next step in every format; it must not.
    EXPECT_EQ(one_pixel(Section::bits8, {0xdf, 0xdf, 0xbf}), "  0xda, \n");
    EXPECT_EQ(one_pixel(Section::bits16, {0xdf, 0xdf, 0xdf}), "  0xfb, 0xde, \n");
}

TEST(PixelValues, AlphaByteOnlyForTrueColorAlpha) {
    const Bytes px = {255, 0, 0, 0x40};
    EXPECT_EQ(one_pixel(Section::bits8, px, kTrueColorAlpha), "  0xe0, 0x40, \n");
    EXPECT_EQ(one_pixel(Section::bits16, px, kTrueColorAlpha), "  0x00, 0xf8, 0x40, \n");
    EXPECT_EQ(one_pixel(Section::bits16_swap, px, kTrueColorAlpha), "  0xf8, 0x00, 0x40, \n");
    EXPECT_EQ(one_pixel(Section::bits32, px, kTrueColorAlpha), "  0x00, 0x00, 0xff, 0x40, \n");
    // Chroma keyed and plain true colour ignore the alpha byte entirely.
    for (ColorFormat cf : {kTrueColor, kTrueColorChromaKeyed}) {
        EXPECT_EQ(one_pixel(Section::bits8, px, cf), "  0xe0, \n");
        EXPECT_EQ(one_pixel(Section::bits32, px, cf), "  0x00, 0x00, 0xff, 0xff, \n");
    }
    // Three-byte pixels with cf 1 get an opaque alpha.
    EXPECT_EQ(one_pixel(Section::bits8, {1, 2, 3}, kTrueColorAlpha), "  0x00, 0xff, \n");
    EXPECT_EQ(one_pixel(Section::bits32, {1, 2, 3}, kTrueColorAlpha), "  0x03, 0x02, 0x01, 0xff, \n");
}

TEST(PixelValues, PremultiplyTouchesOnlyThe32BitSection) {
    const Bytes px = {200, 100, 50, 128};
    EXPECT_EQ(one_pixel(Section::bits32, px, kTrueColorAlpha, true), "  0x19, 0x32, 0x64, 0x80, \n");
    EXPECT_EQ(one_pixel(Section::bits8, px, kTrueColorAlpha, true),
              one_pixel(Section::bits8, px, kTrueColorAlpha));
    EXPECT_EQ(one_pixel(Section::bits16, px, kTrueColorAlpha, true),
              one_pixel(Section::bits16, px, kTrueColorAlpha));
    // Opaque pixels lose one step: the divisor is 256.
    EXPECT_EQ(one_pixel(Section::bits32, {255, 128, 1}, kTrueColor, true), "  0x00, 0x7f, 0xfe, 0xff, \n");
}

TEST(PixelValues, GreyPixelsActAsEqualRedGreenBlue) {
    // One component: grey only, opaque.
    EXPECT_EQ(one_pixel(Section::bits32, {0x80}, kTrueColorAlpha), "  0x80, 0x80, 0x80, 0xff, \n");
    EXPECT_EQ(one_pixel(Section::bits16, {0xff}), "  0xff, 0xff, \n");
    // Two components: grey and alpha, the alpha used wherever alpha is written.
    EXPECT_EQ(one_pixel(Section::bits8, {0xff, 0x10}, kTrueColorAlpha), "  0xff, 0x10, \n");
    EXPECT_EQ(one_pixel(Section::bits32, {0x40, 0x10}, kTrueColorAlpha), "  0x40, 0x40, 0x40, 0x10, \n");
    EXPECT_EQ(one_pixel(Section::bits32, {0x40, 0x10}, kTrueColor), "  0x40, 0x40, 0x40, 0xff, \n");
}

TEST(SectionLayout, GuardCommentRowsEndif) {
    const Bytes px = {255, 0, 0, 0, 255, 0};
    EXPECT_EQ(section(Section::bits8, job_for(2, 1, 3), &px),
              "#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8\n"
              "  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/\n"
              "  0xe0, 0x1c, \n"
              "#endif\n");
    EXPECT_EQ(
        section(Section::bits16_swap, job_for(1, 2, 3, kTrueColorAlpha), &px),
        "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0\n"
        "  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit  BUT the 2  color bytes are "
        "swapped*/\n"
        "  0xf8, 0x00, 0xff, \n"
        "  0x07, 0xe0, 0xff, \n"
        "#endif\n");
}

TEST(SectionLayout, EmptyDimensionsAndMissingBuffer) {
    const Bytes none(1);  // a real, if empty, image: data() must not be null
    EXPECT_EQ(rows_of(section(Section::bits32, job_for(0, 3, 4), &none)), "  \n  \n  \n");
    EXPECT_EQ(section(Section::bits16, job_for(5, 0, 4), &none),
              "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0\n"
              "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/\n#endif\n");
    for (Section enc : {Section::bits8, Section::bits16, Section::bits16_swap, Section::bits32}) {
        EXPECT_EQ(section(enc, job_for(4, 4, 4), nullptr), "");
    }
}

// Straightforward reference: one snprintf per byte, no tables.
std::string reference_rows(Section enc, const Job& job, const Bytes& px) {
    std::string out;
    char buf[8];
    auto hex = [&](unsigned v) {
        std::snprintf(buf, sizeof buf, " 0x%02x,", v & 0xffu);
        out += buf;
    };
    const bool alpha_cf = job.cf == kTrueColorAlpha;
    std::size_t i = 0;
    for (std::uint32_t y = 0; y < job.height; ++y) {
        out += " ";
        for (std::uint32_t x = 0; x < job.width; ++x, i += static_cast<std::size_t>(job.channels)) {
            const bool grey = job.channels < 3;
            const unsigned r = px[i], g = grey ? px[i] : px[i + 1], b = grey ? px[i] : px[i + 2];
            const unsigned a = job.channels == 4 ? px[i + 3] : job.channels == 2 ? px[i + 1] : 255;
            if (enc == Section::bits8) {
                hex((r >> 5) << 5 | (g >> 5) << 2 | (b >> 6));
                if (alpha_cf) hex(a);
            } else if (enc == Section::bits32) {
                const unsigned a32 = alpha_cf ? a : 255;
                const unsigned m = job.premultiply ? a32 : 256;
                hex(b * m >> 8);
                hex(g * m >> 8);
                hex(r * m >> 8);
                hex(a32);
            } else {
                const unsigned v = (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3);
                if (enc == Section::bits16) {
                    hex(v);
                    hex(v >> 8);
                } else {
                    hex(v >> 8);
                    hex(v);
                }
                if (alpha_cf) hex(a);
            }
        }
        out += " \n";
    }
    return out;
}

TEST(SectionLayout, MatchesReferenceFormatterForEveryCombination) {
    std::mt19937 rng(7);
    // Wide rows cross the encoders' internal block boundaries, and the rows span two chunks.
    const std::uint32_t w = 2049 * 2 + 3, h = 3 + chunk_rows(w, UINT32_MAX);
    for (int channels = 1; channels <= 4; ++channels) {
        Bytes px(std::size_t{w} * h * static_cast<std::size_t>(channels));
        for (auto& b : px) b = static_cast<std::uint8_t>(rng());
        for (ColorFormat cf : {kTrueColor, kTrueColorAlpha, kTrueColorChromaKeyed}) {
            for (bool premultiply : {false, true}) {
                const Job job = job_for(w, h, channels, cf, premultiply);
                const std::string file = c_file(job, &px);
                for (Section enc : {Section::bits8, Section::bits16, Section::bits16_swap, Section::bits32}) {
                    ASSERT_EQ(rows_of(section_of(file, enc, cf)), reference_rows(enc, job, px))
                        << "channels " << channels << " cf " << static_cast<int>(cf) << " premultiply "
                        << premultiply;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixmint
