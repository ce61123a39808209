// The line of every kind of entry, the range walk, and the template that
// assembles a header from fixed lines and entry ranges.
#include "setwright/emit.h"

#include <gtest/gtest.h>

#include <string>

#include "setwright/configuration.h"
#include "setwright/entries.h"
#include "setwright/header_template.h"

using namespace setwright;

namespace {

// The line an entry of `kind` named `name` gets for `value`.
std::string line_of(Kind kind, std::string_view name, std::string_view value) {
    std::string line;
    emit_line(kind, name, value, line);
    return line;
}

// The lines of entries first..last of `config` for `mode`.
std::string walk(const Configuration& config, int first, int last, Mode mode) {
    std::string text;
    emit_range(config, first, last, mode, text);
    return text;
}

// `config` with entry `index` left out of the header of `mode`, keeping its other value.
void switch_off(Configuration& config, int index, Mode mode) {
    const auto keep = [&](Mode m) -> std::optional<std::string> {
        if (m == mode) return std::nullopt;
        const std::optional<std::string_view> v = config.value(index, m);
        return v ? std::optional<std::string>(*v) : std::nullopt;
    };
    config.set(index, Override{keep(Mode::simulator), keep(Mode::board)});
}

}  // namespace

TEST(setwright_emit, NumberAndSymbolLines) {
    for (Kind kind : {Kind::number, Kind::symbol}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(line_of(kind, "LV_X", "(480)"), "#define LV_X (480)\n");
        EXPECT_EQ(line_of(kind, "LV_X", "true"), "#define LV_X 1\n");
        EXPECT_EQ(line_of(kind, "LV_X", "false"), "#define LV_X 0\n");
        // Only the exact words are booleans.
        EXPECT_EQ(line_of(kind, "LV_X", "True"), "#define LV_X True\n");
        EXPECT_EQ(line_of(kind, "LV_X", " false"), "#define LV_X  false\n");
        // An empty value still gets the blank after the name.
        EXPECT_EQ(line_of(kind, "LV_X", ""), "#define LV_X \n");
    }
}

TEST(setwright_emit, EachHeaderUsesItsOwnValueAndFlag) {
    Configuration config;
    config.set(0, Override{"1", "0"});
    EXPECT_EQ(walk(config, 0, 0, Mode::simulator), "#define LV_HOR_RES_MAX 1\n");
    EXPECT_EQ(walk(config, 0, 0, Mode::board), "#define LV_HOR_RES_MAX 0\n");
    switch_off(config, 0, Mode::simulator);
    EXPECT_EQ(walk(config, 0, 0, Mode::simulator), "");
    EXPECT_EQ(walk(config, 0, 0, Mode::board), "#define LV_HOR_RES_MAX 0\n");
}

TEST(setwright_emit, TypedefEmptyStringAndNoneLines) {
    EXPECT_EQ(line_of(Kind::type_alias, "void *", "lv_obj_user_data_t"),
              "typedef void * lv_obj_user_data_t;\n");
    // The bare kind ignores the value.
    EXPECT_EQ(line_of(Kind::bare, "LV_FONT_CUSTOM_DECLARE", ""), "#define LV_FONT_CUSTOM_DECLARE\n");
    EXPECT_EQ(line_of(Kind::bare, "LV_FONT_CUSTOM_DECLARE", "0"), "#define LV_FONT_CUSTOM_DECLARE\n");

    EXPECT_EQ(line_of(Kind::include, "INC", "<stdlib.h>"), "#define INC <stdlib.h>\n");
    EXPECT_EQ(line_of(Kind::include, "INC", "\"my.h\""), "#define INC \"my.h\"\n");
    EXPECT_EQ(line_of(Kind::include, "INC", "my.h"), "#define INC \"my.h\"\n");
    EXPECT_EQ(line_of(Kind::include, "INC", ""), "#define INC \"\"\n");
    EXPECT_EQ(line_of(Kind::include, "INC", "true"), "#define INC \"true\"\n");

    EXPECT_EQ(line_of(Kind::none, "", "0"), "");
}

TEST(setwright_emit, MemorySizeInKibibytes) {
    EXPECT_EQ(line_of(Kind::kibibytes, "LV_MEM_SIZE", "32"), "#define LV_MEM_SIZE (32U * 1024U)\n");
    // Written as it stands, even empty.
    EXPECT_EQ(line_of(Kind::kibibytes, "LV_MEM_SIZE", ""), "#define LV_MEM_SIZE (U * 1024U)\n");
}

TEST(setwright_emit, LongValuesAreWrittenWhole) {
    const std::string value(5000, 'x');
    EXPECT_EQ(line_of(Kind::number, "LV_X", value), "#define LV_X " + value + "\n");
}

TEST(setwright_template, LiteralsHaveTheirPublishedLength) {
    std::size_t literal_bytes = 0;
    for (const TemplateRow& row : kTemplateRows) literal_bytes += row.literal.size();
    EXPECT_EQ(literal_bytes + header_opening(Mode::simulator).size(), 1748u);
    EXPECT_EQ(header_opening(Mode::board).size() - header_opening(Mode::simulator).size(),
              std::string_view("#include \"brenvik_glue.h\"\n").size());
}

TEST(setwright_template, WalkRendersOnlyEntriesSwitchedOn) {
    Configuration config;
    EXPECT_EQ(walk(config, 12, 14, Mode::simulator),
              "typedef int16_t lv_coord_t;\n#define LV_MEM_CUSTOM 0\n#define LV_MEM_SIZE (32U * 1024U)\n");
    switch_off(config, 13, Mode::board);
    EXPECT_EQ(walk(config, 12, 14, Mode::board),
              "typedef int16_t lv_coord_t;\n#define LV_MEM_SIZE (32U * 1024U)\n");
    EXPECT_EQ(walk(config, 14, 12, Mode::simulator), "");  // first after last: nothing
    EXPECT_EQ(walk(config, 26, 27, Mode::simulator), "");  // switched off by default
    EXPECT_EQ(walk(config, 65, 66, Mode::simulator),
              "#define LV_ATTRIBUTE_MEM_ALIGN_SIZE \n#define LV_ATTRIBUTE_MEM_ALIGN \n");
    EXPECT_EQ(walk(config, 211, 211, Mode::board), "#define LV_USE_KELDRAN_SIMULATOR 0\n");
    EXPECT_EQ(walk(config, 112, 112, Mode::board), "#define LV_FONT_CUSTOM_DECLARE\n");
    switch_off(config, 112, Mode::board);
    EXPECT_EQ(walk(config, 111, 113, Mode::board),
              "#define LV_FONT_UNSCII_8 0\n#define LV_FONT_FMT_TXT_LARGE 0\n");
}

TEST(setwright_template, SwitchedOffBlockKeepsItsGuardLines) {
    Configuration config;
    switch_off(config, 38, Mode::simulator);
    const std::string text = render_header(config, Mode::simulator).value();
    EXPECT_NE(text.find("\n#if LV_USE_SHADOW\n#endif /* LV_USE_SHADOW */\n\n"), std::string::npos);
    EXPECT_EQ(text.find("LV_SHADOW_CACHE_SIZE"), std::string::npos);
    EXPECT_NE(render_header(config, Mode::board).value().find("#define LV_SHADOW_CACHE_SIZE 0\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "\n\n#endif");
}

TEST(setwright_template, LargeValuesArriveIntact) {
    // A value longer than the text buffers the headers were once built in must arrive whole.
    const std::string big(1024 * 1024 + 100, '7');
    Configuration config;
    config.set(0, Override{big, "1"});
    const std::string text = render_header(config, Mode::simulator).value();
    EXPECT_NE(text.find("#define LV_HOR_RES_MAX " + big + "\n#define LV_VER_RES_MAX (272)\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "\n#endif");
}
