// The line of every kind of entry, the range walk, and the template that
// assembles a header from fixed lines and entry ranges.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "basic.h"
#include "conf.h"
#include "mac_obj.h"

using namespace setwright;

namespace {

// An entry of `kind` with its values, switched on for both headers.
mac_obj_t entry(std::uint8_t kind, const char* name, const char* sim_val, const char* board_val) {
    return mac_obj_t{mac_chk_num, mac_code_gen, kind, 0, 1, 1, name, sim_val, board_val, "", 0};
}

// The line mac_code_gen writes for `obj` in `mode`.
std::string line_of(const mac_obj_t& obj, int mode = MODE_SIMULATOR) {
    std::string line;
    EXPECT_EQ(mac_code_gen(obj, line, mode), 0);
    return line;
}

std::string text_of(const conf_code_t& code) {
    return std::string(code.text, code.len);
}

class ConfTest : public ::testing::Test {
   protected:
    void SetUp() override { ASSERT_EQ(init_conf(), 0); }
    void TearDown() override {
        free_conf();
        reset_full_conf();
    }
    // The lines of entries first..last for `mode`, rendered into a cleared simulator buffer.
    static std::string walk(int first, int last, int mode) {
        sim_conf_code.len = 0;
        sim_conf_code.text[0] = '\0';
        EXPECT_EQ(gen_common_mac(first, last, sim_conf_code, mode), 0);
        return text_of(sim_conf_code);
    }
    static void switch_off(int index, int mode) {
        mac_obj_t& e = full_conf[static_cast<std::size_t>(index)];
        (mode == MODE_SIMULATOR ? e.sim_en : e.board_en) = 0;
    }
};

}  // namespace

TEST(setwright_emit, NumberAndSymbolLines) {
    for (std::uint8_t kind : {MAC_KIND_NUM, MAC_KIND_SYM}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(line_of(entry(kind, "LV_X", "(480)", "")), "#define LV_X (480)\n");
        EXPECT_EQ(line_of(entry(kind, "LV_X", "true", "")), "#define LV_X 1\n");
        EXPECT_EQ(line_of(entry(kind, "LV_X", "false", "")), "#define LV_X 0\n");
        // Only the exact words are booleans.
        EXPECT_EQ(line_of(entry(kind, "LV_X", "True", "")), "#define LV_X True\n");
        EXPECT_EQ(line_of(entry(kind, "LV_X", " false", "")), "#define LV_X  false\n");
        // An empty value still gets the blank after the name.
        EXPECT_EQ(line_of(entry(kind, "LV_X", "", "")), "#define LV_X \n");
    }
}

TEST(setwright_emit, EachHeaderUsesItsOwnValueAndFlag) {
    mac_obj_t e = entry(MAC_KIND_NUM, "LV_X", "1", "0");
    EXPECT_EQ(line_of(e, MODE_SIMULATOR), "#define LV_X 1\n");
    EXPECT_EQ(line_of(e, MODE_BOARD), "#define LV_X 0\n");
    EXPECT_EQ(line_of(e, 2), "");  // neither header: no value
    e.sim_en = 0;
    EXPECT_EQ(line_of(e, MODE_SIMULATOR), "");
    EXPECT_EQ(line_of(e, MODE_BOARD), "#define LV_X 0\n");
}

TEST(setwright_emit, TypedefEmptyStringAndNoneLines) {
    EXPECT_EQ(line_of(entry(MAC_KIND_TYPEDEF, "void *", "lv_obj_user_data_t", "")),
              "typedef void * lv_obj_user_data_t;\n");
    mac_obj_t td = entry(MAC_KIND_TYPEDEF, "int16_t", "lv_coord_t", "x");
    td.board_en = 0;
    EXPECT_EQ(line_of(td, MODE_BOARD), "");

    // The empty kind ignores the value; even without one the emitter writes the line (the walk
    // is what leaves out entries switched off).
    mac_obj_t empty = entry(MAC_KIND_EMPTY, "LV_FONT_CUSTOM_DECLARE", "", "0");
    EXPECT_EQ(line_of(empty, MODE_SIMULATOR), "#define LV_FONT_CUSTOM_DECLARE\n");
    EXPECT_EQ(line_of(empty, MODE_BOARD), "#define LV_FONT_CUSTOM_DECLARE\n");
    EXPECT_EQ(line_of(empty, 2), "#define LV_FONT_CUSTOM_DECLARE\n");
    empty.board_en = 0;
    EXPECT_EQ(line_of(empty, MODE_BOARD), "#define LV_FONT_CUSTOM_DECLARE\n");

    EXPECT_EQ(line_of(entry(MAC_KIND_STR, "INC", "<stdlib.h>", "")), "#define INC <stdlib.h>\n");
    EXPECT_EQ(line_of(entry(MAC_KIND_STR, "INC", "\"my.h\"", "")), "#define INC \"my.h\"\n");
    EXPECT_EQ(line_of(entry(MAC_KIND_STR, "INC", "my.h", "")), "#define INC \"my.h\"\n");
    EXPECT_EQ(line_of(entry(MAC_KIND_STR, "INC", "", "")), "#define INC \"\"\n");
    EXPECT_EQ(line_of(entry(MAC_KIND_STR, "INC", "true", "")), "#define INC \"true\"\n");

    EXPECT_EQ(line_of(entry(MAC_KIND_NONE, "", "0", "0")), "");
    EXPECT_EQ(line_of(entry(9, "LV_X", "1", "1")), "");  // unknown kinds render nothing
}

TEST(setwright_emit, MemorySizeInKibibytes) {
    mac_obj_t e = entry(MAC_KIND_NUM, "LV_MEM_SIZE", "32", "");
    std::string line;
    EXPECT_EQ(mem_size_gen(e, line, MODE_SIMULATOR), 0);
    EXPECT_EQ(line, "#define LV_MEM_SIZE (32U * 1024U)\n");
    line.clear();
    EXPECT_EQ(mem_size_gen(e, line, MODE_BOARD), 0);  // written as it stands, even empty
    EXPECT_EQ(line, "#define LV_MEM_SIZE (U * 1024U)\n");
    line.clear();
    e.kind = MAC_KIND_EMPTY;  // the kind is not looked at
    EXPECT_EQ(mem_size_gen(e, line, MODE_SIMULATOR), 0);
    EXPECT_EQ(line, "#define LV_MEM_SIZE (32U * 1024U)\n");
    line.clear();
    EXPECT_EQ(mem_size_gen(e, line, 2), 1);  // no value: the one failing emitter
    EXPECT_EQ(line, "");
}

TEST(setwright_emit, LongValuesAreWrittenWhole) {
    const std::string value(5000, 'x');
    EXPECT_EQ(line_of(entry(MAC_KIND_NUM, "LV_X", value.c_str(), "")), "#define LV_X " + value + "\n");
}

using setwright_conf = ConfTest;

TEST_F(setwright_conf, TemplateCoversEveryEntryButThePlaceholders) {
    int next = 0;
    for (const conf_row_t& row : conf_rows) {
        while (next == 26 || next == 27 || next == 145) ++next;
        EXPECT_EQ(row.first, next) << "row ending with " << row.literal;
        ASSERT_GE(row.last, row.first);
        next = row.last + 1;
    }
    EXPECT_EQ(next, MAC_COUNT);

    std::size_t literal_bytes = 0;
    for (const conf_row_t& row : conf_rows) literal_bytes += std::strlen(row.literal);
    EXPECT_EQ(literal_bytes + std::strlen(conf_opening(MODE_SIMULATOR)), 1748u);
    EXPECT_EQ(std::strlen(conf_opening(MODE_BOARD)) - std::strlen(conf_opening(MODE_SIMULATOR)),
              std::strlen("#include \"brenvik_glue.h\"\n"));
}

TEST_F(setwright_conf, WalkRendersOnlyEntriesSwitchedOn) {
    EXPECT_EQ(walk(12, 14, MODE_SIMULATOR),
              "typedef int16_t lv_coord_t;\n#define LV_MEM_CUSTOM 0\n#define LV_MEM_SIZE (32U * 1024U)\n");
    switch_off(13, MODE_BOARD);
    EXPECT_EQ(walk(12, 14, MODE_BOARD), "typedef int16_t lv_coord_t;\n#define LV_MEM_SIZE (32U * 1024U)\n");
    EXPECT_EQ(walk(14, 12, MODE_SIMULATOR), "");  // first after last: nothing
    EXPECT_EQ(walk(26, 27, MODE_SIMULATOR), "");  // switched off by default
    EXPECT_EQ(walk(65, 66, MODE_SIMULATOR),
              "#define LV_ATTRIBUTE_MEM_ALIGN_SIZE \n#define LV_ATTRIBUTE_MEM_ALIGN \n");
    EXPECT_EQ(walk(211, 211, MODE_BOARD), "#define LV_USE_KELDRAN_SIMULATOR 0\n");
    EXPECT_EQ(walk(112, 112, MODE_BOARD), "#define LV_FONT_CUSTOM_DECLARE\n");
    switch_off(112, MODE_BOARD);
    EXPECT_EQ(walk(111, 113, MODE_BOARD), "#define LV_FONT_UNSCII_8 0\n#define LV_FONT_FMT_TXT_LARGE 0\n");
}

TEST_F(setwright_conf, FailingEmitterStopsTheWalk) {
    // Outside both headers no entry has a value, so the memory-size emitter fails; entry 15,
    // whose kind needs no value, must not follow.
    sim_conf_code.len = 0;
    sim_conf_code.text[0] = '\0';
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(gen_common_mac(13, 16, sim_conf_code, 2), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "update_simulator_conf() gen code error\n");
    EXPECT_EQ(text_of(sim_conf_code), "");
    EXPECT_EQ(gen_common_mac(15, 15, sim_conf_code, 2), 0);
    EXPECT_EQ(text_of(sim_conf_code), "#define LV_MEM_ATTR\n");
}

TEST_F(setwright_conf, SwitchedOffBlockKeepsItsGuardLines) {
    switch_off(38, MODE_SIMULATOR);
    ASSERT_EQ(update_conf(MODE_SIMULATOR), 0);
    const std::string text = text_of(sim_conf_code);
    EXPECT_NE(text.find("\n#if LV_USE_SHADOW\n#endif /* LV_USE_SHADOW */\n\n"), std::string::npos);
    EXPECT_EQ(text.find("LV_SHADOW_CACHE_SIZE"), std::string::npos);
    ASSERT_EQ(update_conf(MODE_BOARD), 0);
    EXPECT_NE(text_of(board_conf_code).find("#define LV_SHADOW_CACHE_SIZE 0\n"), std::string::npos);
}

TEST_F(setwright_conf, RebuildingReplacesTheText) {
    ASSERT_EQ(update_conf(MODE_BOARD), 0);
    const std::string first = text_of(board_conf_code);
    ASSERT_EQ(update_conf(MODE_BOARD), 0);
    EXPECT_EQ(text_of(board_conf_code), first);
    EXPECT_EQ(std::strlen(board_conf_code.text), board_conf_code.len);
    EXPECT_EQ(first.substr(first.size() - 8), "\n\n#endif");
}

TEST_F(setwright_conf, BufferGrowsPastItsInitialSize) {
    // A value longer than the whole initial block must arrive intact, not cut or overflowed.
    const std::string big(CONF_CODE_SIZE + 100, '7');
    mac_obj_t src{};
    src.sim_val = big.c_str();
    src.board_val = "1";
    src.owned = 1;
    ASSERT_EQ(update_mac_value(src, 0), 0);
    ASSERT_EQ(update_conf(MODE_SIMULATOR), 0);
    const std::string text = text_of(sim_conf_code);
    EXPECT_NE(text.find("#define LV_HOR_RES_MAX " + big + "\n#define LV_VER_RES_MAX (272)\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "\n#endif");
    EXPECT_GT(sim_conf_code.cap, CONF_CODE_SIZE);
}

TEST_F(setwright_conf, InitTwiceReportsAndReallocates) {
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(init_conf(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "sim_conf_code has been inited already, trying to free it!\n"
              "board_conf_code has been inited already, trying to free it!\n");
    ASSERT_NE(sim_conf_code.text, nullptr);
    EXPECT_EQ(sim_conf_code.text[0], '\0');
    EXPECT_EQ(sim_conf_code.cap, CONF_CODE_SIZE);
}
