// LVGL v9's RLE code as pixmint writes it, read back by lv_rle_decompress's walk: runs and
// literals past what a control byte counts, and last units cut short. And v9's sinks for an
// image that has a size but no pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pixmint/output/bin_sink.h"
#include "pixmint/output/c_sink.h"
#include "pixmint/pixels/rle.h"
#include "tests/pixmint/support/lv_rle_reader.h"
#include "tests/pixmint/unit/pipeline_capture.h"

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

// A resize that ran out of memory leaves the image its size and no pixels, and the run writes its
// files all the same: the header, every comment, and not a byte of rows read from nowhere.
TEST(V9Sinks, AnImageWithoutPixelsGetsItsHeaderAndNoData) {
    const struct {
        ColorFormat format;
        const char* stride;  // 5 pixels' bytes rounded up to 4
    } cases[] = {{ColorFormat::indexed_4, "4"}, {ColorFormat::rgb565a8, "12"}, {ColorFormat::alpha_2, "4"}};
    for (const auto& [format, stride] : cases) {
        SCOPED_TRACE(word_of(format));
        const V9Choices v9{.align = 4};
        ImageRows rows(test::image_of(5, 3, 4, nullptr));
        const std::string c = test::run_into(rows, [&](lvforge::SafeOutput& out, EncoderSet& encoders) {
            const CFileContent content{
                {"x.c", "x", "X"}, format, Depth::all, false, false, std::nullopt, 5, 3, false, {}, {}, v9};
            return std::make_unique<CSink>(out, content, encoders);
        });
        EXPECT_NE(c.find(std::string("  .header.w = 5,\n  .header.h = 3,\n  .header.stride = ") + stride +
                         ",\n  .data_size = 0,\n"),
                  std::string::npos)
            << c;
        EXPECT_EQ(c.find("0x"), std::string::npos) << c;
        ImageRows again(test::image_of(5, 3, 4, nullptr));
        const std::string bin = test::run_into(again, [&](lvforge::SafeOutput& out, EncoderSet& encoders) {
            const BinFileContent content{format, Depth::all, false, false, 5, 3, false, {}, v9};
            return std::make_unique<BinSink>(out, content, encoders);
        });
        EXPECT_EQ(bin.size(), 12u);
    }
}

}  // namespace
}  // namespace pixmint
