// The option choices of the pixmint_image harness: every choice not kept "as
// given" must get past pixmint's command line with the options it names, so
// that the search reaches the writers, while every format and option stays
// reachable after the adjustments.
#include "fuzz/pixmint_choices.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "pixmint/cli/command_line.h"

namespace lvforge::fuzz {
namespace {

using Words = std::vector<std::string>;

// pixmint's reading of `choices` on a command line, or nullopt when it refuses them.
std::optional<pixmint::Options> parse(const PixmintChoices& choices) {
    Words words{"pixmint", "-p", "in.png", "-n", "out"};
    const Words options = option_words(choices, "prev.png");
    words.insert(words.end(), options.begin(), options.end());
    Argv argv(words);
    auto parsed = pixmint::parse_command_line(argv.argc(), argv.argv());
    if (!parsed.ok()) return std::nullopt;
    return parsed.value();
}

TEST(PixmintChoices, BytesPickTheseWords) {
    const struct {
        std::array<std::uint8_t, kChoiceBytes> bytes;
        Words words;
        bool refused;
    } cases[] = {
        {{0x0e, 0x00, 0x00, 0x00}, {}, false},
        {{0x0f, 0x00, 0x80, 0xff}, {"-w", "-1", "-h", "26"}, false},
        {{0x3a, 0x00, 0xb1, 0xb2}, {"-f", "alpha-8", "-d", "24", "-w", "48", "-h", "-1"}, false},
        {{0x8d, 0x14, 0x00, 0x00}, {"-f", "raw-chroma-keyed", "--dither", "--preview", "prev.png"}, false},
        {{0x0e, 0x0c, 0x00, 0x00}, {"--preview", "prev.png"}, false},  // the output's own path in the harness
        // --bin of a true-colour format needs one depth; --swap only goes with 16 bits.
        {{0x01, 0x03, 0x00, 0x00}, {"-f", "true-color-alpha", "-d", "16", "--bin", "--swap"}, false},
        {{0x11, 0x03, 0x00, 0x00}, {"-f", "true-color-alpha", "-d", "8", "--bin"}, false},
        {{0x25, 0x03, 0x00, 0x00}, {"-f", "indexed-4", "-d", "16", "--bin"}, false},
        // Raw formats are never resized, premultiplied or written as .bin.
        {{0x4b, 0x01, 0x86, 0x83}, {"-f", "raw"}, false},
        // -v only where the zintra GPU draws the depth and format.
        {{0x61, 0x00, 0x00, 0x00}, {"-f", "true-color-alpha", "-d", "16"}, false},
        {{0x72, 0x00, 0x00, 0x00}, {"-f", "true-color-chroma-keyed", "-d", "24", "-v"}, false},
        {{0x7e, 0x00, 0x00, 0x00}, {"-d", "24"}, false},
        {{0x46, 0x00, 0x00, 0x00}, {"-f", "indexed-8"}, false},
        // Kept as given, and refused.
        {{0x4b, 0xc1, 0x86, 0x83}, {"-f", "raw", "-v", "--bin", "-w", "5", "-h", "2"}, true},
        {{0x00, 0xc3, 0x00, 0x00}, {"-f", "true-color", "--bin", "--swap"}, true},
        {{0x47, 0xc0, 0x00, 0x00}, {"-f", "alpha-1", "-v"}, true},
    };
    for (const auto& c : cases) {
        const PixmintChoices choices = decode_choices(c.bytes);
        EXPECT_EQ(option_words(choices, "prev.png"), c.words) << testing::PrintToString(c.bytes);
        EXPECT_EQ(parse(choices).has_value(), !c.refused) << testing::PrintToString(c.bytes);
    }
}

TEST(PixmintChoices, EveryAdjustedPickIsAcceptedAndEveryOptionStaysReachable) {
    std::set<std::string> formats, binary_formats, premultiplied_formats;
    std::set<int> binary_depths;
    std::set<PreviewChoice> previews;
    bool swapped = false, dithered = false;
    for (int b0 = 0; b0 < 256; ++b0) {
        // Bits 0 to 4 of b1 pick options; bit 5 (earlier outputs) adds none, and both top bits
        // keep the options as given.
        for (int b1 = 0; b1 < 0x20; ++b1) {
            for (const std::uint8_t size : {std::uint8_t{0x00}, std::uint8_t{0x86}}) {
                const std::array<std::uint8_t, kChoiceBytes> bytes{static_cast<std::uint8_t>(b0),
                                                                   static_cast<std::uint8_t>(b1), size, size};
                const PixmintChoices c = decode_choices(bytes);
                ASSERT_FALSE(c.as_given);
                const auto options = parse(c);
                ASSERT_TRUE(options.has_value()) << testing::PrintToString(option_words(c, "prev.png"));
                EXPECT_EQ(options->binary, c.binary);
                EXPECT_EQ(options->swap, c.swap);
                EXPECT_EQ(options->dither, c.dither);
                EXPECT_EQ(options->zintra, c.premultiply);
                EXPECT_EQ(options->width, c.width);
                EXPECT_EQ(static_cast<int>(options->depth), c.depth);
                const std::string format = c.format != nullptr ? c.format : "";
                formats.insert(format);
                if (c.binary) {
                    binary_formats.insert(format);
                    binary_depths.insert(c.depth);
                }
                if (c.premultiply) premultiplied_formats.insert(format);
                previews.insert(c.preview);
                swapped |= c.swap;
                dithered |= c.dither;
            }
        }
    }
    EXPECT_EQ(formats.size(), 15u);         // fourteen words and none
    EXPECT_EQ(binary_formats.size(), 12u);  // all but the three raw ones
    EXPECT_EQ(binary_depths, (std::set<int>{0, 8, 16, 24}));
    EXPECT_EQ(premultiplied_formats,
              (std::set<std::string>{"", "true-color", "true-color-alpha", "true-color-chroma-keyed"}));
    EXPECT_EQ(previews.size(), 6u);
    EXPECT_TRUE(swapped && dithered);
    EXPECT_TRUE(
        decode_choices(std::array<std::uint8_t, kChoiceBytes>{0x00, 0xa0, 0x00, 0x00}).earlier_outputs);
}

}  // namespace
}  // namespace lvforge::fuzz
