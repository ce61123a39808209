// The reader a fuzz harness compares .bin files against: it must take
// pixmint's arrays apart section by section, skip the hex inside comments,
// and refuse text of any other shape rather than return too few bytes.
#include "fuzz/c_array.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lvforge::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A generated source around `body` (the lines between the array's braces) for variable `img`.
std::string source(const std::string& body,
                   const std::string& descriptor = "  .header.w = 3,\n  .header.h = 2,\n") {
    return "#include \"lvgl.h\"\n\nconst LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_IMG uint8_t img_map[] = "
           "{\n" +
           body + "};\n\nconst lv_img_dsc_t img = {\n  .header.always_zero = 0,\n" + descriptor +
           "  .data_size = 6,\n  .data = img_map,\n};\n";
}

const std::string kTrueColor =
    "#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8\n"
    "  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/\n"
    "  0x09, 0x2e, \n"
    "#endif\n"
    "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0\n"
    "  0x0e, 0x0a, \n  0x33, 0x57, \n"
    "#endif\n"
    "#if LV_COLOR_DEPTH == 32\n"
    "  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/\n"
    "  0x75, 0x40, 0x0b, 0xff, \n"
    "#endif\n";

const std::string kIndexed =
    "  /*Palette: 2 colors of Blue, Green, Red, Alpha: 8 bit each*/\n"
    "  0xf2, 0xbc, 0x87, 0x17, \n"
    "  0x8a, 0x55, 0x20, 0xBD, \n"
    "  /*Pixel format: Index 1 bit, every row starting on a byte boundary*/\n"
    "  0x5c, \n  0x08\n";

TEST(ParseImageSource, ReadsEachSectionWithoutTheHexInComments) {
    const struct {
        const char* name;
        std::string body;
        std::vector<std::pair<std::string, Bytes>> sections;
    } cases[] = {
        {"true colour",
         kTrueColor,
         {{"LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8", {0x09, 0x2e}},
          {"LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0", {0x0e, 0x0a, 0x33, 0x57}},
          {"LV_COLOR_DEPTH == 32", {0x75, 0x40, 0x0b, 0xff}}}},
        {"palette and indices, the last value without its comma",
         kIndexed,
         {{"", {0xf2, 0xbc, 0x87, 0x17, 0x8a, 0x55, 0x20, 0xbd, 0x5c, 0x08}}}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parsed = parse_image_source(source(c.body), "img");
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->width, 3);
        EXPECT_EQ(parsed->height, 2);
        ASSERT_EQ(parsed->sections.size(), c.sections.size());
        for (std::size_t i = 0; i < c.sections.size(); ++i) {
            EXPECT_EQ(parsed->sections[i].condition, c.sections[i].first);
            EXPECT_EQ(parsed->sections[i].bytes, c.sections[i].second);
        }
    }
}

TEST(ParseImageSource, RefusesTextOfAnyOtherShape) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"another variable", source(kIndexed)},  // read as "other" below
        {"an #if left open", source("#if LV_COLOR_DEPTH == 32\n  0x01, \n")},
        {"an #endif without #if", source("  0x01, \n#endif\n")},
        {"nested #if", source("#if A\n#if B\n  0x01, \n#endif\n#endif\n")},
        {"#else", source("#if A\n  0x01, \n#else\n  0x02, \n#endif\n")},
        {"a value of one digit", source("  0x1, 0x02, \n")},
        {"a value not in hex", source("  0x0g, \n")},
        {"a decimal value", source("  12, \n")},
        {"values without a comma between them", source("  0x01 0x02, \n")},
        {"a comment left open", source("  /*Palette\n  0x01, \n")},
        {"no height", source(kIndexed, "  .header.w = 3,\n")},
        {"no width", source(kIndexed, "  .header.h = 2,\n")},
        {"a size that is no number", source(kIndexed, "  .header.w = W,\n  .header.h = 2,\n")},
        {"no closing brace", "uint8_t img_map[] = {\n  0x01, \n"},
    };
    for (const auto& c : cases) {
        const char* var = std::string(c.name) == "another variable" ? "other" : "img";
        EXPECT_FALSE(parse_image_source(c.text, var).has_value()) << c.name;
    }
}

TEST(SectionBytes, OnlyASingleSectionUnderTheCondition) {
    const ImageSource source{{{"A", {1}}, {"B", {2, 3}}, {"A", {4}}, {"", {5}}}, 1, 1};
    EXPECT_EQ(section_bytes(source, "B"), (Bytes{2, 3}));
    EXPECT_EQ(section_bytes(source, ""), (Bytes{5}));
    EXPECT_EQ(section_bytes(source, "A"), std::nullopt);  // twice
    EXPECT_EQ(section_bytes(source, "C"), std::nullopt);
}

}  // namespace
}  // namespace lvforge::fuzz
