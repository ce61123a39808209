// The entry table against the published listing, and the merge operation
// that replaces an entry's values.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "basic.h"
#include "mac_obj.h"

using namespace setwright;

namespace {

struct ListedEntry {
    int index;
    const char* name;
    int kind;
    const char* sim_val;
    const char* board_val;
};

// Transcribed from the entry listing on its own, not from the program's table.
const ListedEntry kListing[] = {
    {0, "LV_HOR_RES_MAX", 0, "(480)", "(480)"},
    {1, "LV_VER_RES_MAX", 0, "(272)", "(272)"},
    {2, "LV_COLOR_DEPTH", 0, "16", "16"},
    {3, "LV_COLOR_16_SWAP", 0, "0", "0"},
    {4, "LV_COLOR_SCREEN_TRANSP", 0, "0", "0"},
    {5, "LV_COLOR_TRANSP", 0, "LV_COLOR_LIME", "LV_COLOR_LIME"},
    {6, "LV_ANTIALIAS", 0, "1", "1"},
    {7, "LV_DISP_DEF_REFR_PERIOD", 0, "30", "30"},
    {8, "LV_DPI", 0, "130", "130"},
    {9, "LV_DISP_SMALL_LIMIT", 0, "30", "30"},
    {10, "LV_DISP_MEDIUM_LIMIT", 0, "50", "50"},
    {11, "LV_DISP_LARGE_LIMIT", 0, "70", "70"},
    {12, "int16_t", 2, "lv_coord_t", "lv_coord_t"},
    {13, "LV_MEM_CUSTOM", 0, "0", "0"},
    {14, "LV_MEM_SIZE", 0, "32", "32"},
    {15, "LV_MEM_ATTR", 3, "", ""},
    {16, "LV_MEM_ADR", 0, "0", "0"},
    {17, "LV_MEM_AUTO_DEFRAG", 0, "1", "1"},
    {18, "LV_MEM_CUSTOM_INCLUDE", 4, "<stdlib.h>", "<stdlib.h>"},
    {19, "LV_MEM_CUSTOM_ALLOC", 1, "malloc", "malloc"},
    {20, "LV_MEM_CUSTOM_FREE", 1, "free", "free"},
    {21, "LV_MEMCPY_MEMSET_STD", 0, "0", "0"},
    {22, "LV_ENABLE_GC", 0, "0", "0"},
    {23, "LV_GC_INCLUDE", 1, "\"gc.h\"", "\"gc.h\""},
    {24, "LV_MEM_CUSTOM_REALLOC", 1, "realloc", "realloc"},
    {25, "LV_MEM_CUSTOM_GET_SIZE", 1, "mem_get_size", "mem_get_size"},
    {26, "", 5, "0", "0"},
    {27, "", 5, "0", "0"},
    {28, "LV_INDEV_DEF_READ_PERIOD", 0, "30", "30"},
    {29, "LV_INDEV_DEF_DRAG_LIMIT", 0, "10", "10"},
    {30, "LV_INDEV_DEF_DRAG_THROW", 0, "10", "10"},
    {31, "LV_INDEV_DEF_LONG_PRESS_TIME", 0, "400", "400"},
    {32, "LV_INDEV_DEF_LONG_PRESS_REP_TIME", 0, "100", "100"},
    {33, "LV_INDEV_DEF_GESTURE_LIMIT", 0, "50", "50"},
    {34, "LV_INDEV_DEF_GESTURE_MIN_VELOCITY", 0, "3", "3"},
    {35, "LV_USE_ANIMATION", 0, "1", "1"},
    {36, "void *", 2, "lv_anim_user_data_t", "lv_anim_user_data_t"},
    {37, "LV_USE_SHADOW", 0, "1", "1"},
    {38, "LV_SHADOW_CACHE_SIZE", 0, "0", "0"},
    {39, "LV_USE_OUTLINE", 0, "1", "1"},
    {40, "LV_USE_PATTERN", 0, "1", "1"},
    {41, "LV_USE_VALUE_STR", 0, "1", "1"},
    {42, "LV_USE_BLEND_MODES", 0, "1", "1"},
    {43, "LV_USE_OPA_SCALE", 0, "1", "1"},
    {44, "LV_USE_IMG_TRANSFORM", 0, "1", "1"},
    {45, "LV_USE_GROUP", 0, "1", "1"},
    {46, "void *", 2, "lv_group_user_data_t", "lv_group_user_data_t"},
    {47, "LV_USE_GPU", 0, "1", "1"},
    {48, "LV_USE_GPU_VORLIX_QVB", 0, "0", "0"},
    {49, "LV_USE_GPU_VORLIX_QVB_AUTO_INIT", 0, "0", "0"},
    {50, "LV_USE_GPU_VORLIX_ZINTRA", 0, "0", "0"},
    {51, "LV_USE_FILESYSTEM", 0, "1", "1"},
    {52, "void *", 2, "lv_fs_drv_user_data_t", "lv_fs_drv_user_data_t"},
    {53, "LV_USE_USER_DATA", 0, "0", "0"},
    {54, "LV_USE_PERF_MONITOR", 0, "0", "0"},
    {55, "LV_USE_API_EXTENSION_V6", 0, "1", "1"},
    {56, "LV_USE_API_EXTENSION_V7", 0, "1", "1"},
    {57, "LV_IMG_CF_INDEXED", 0, "1", "1"},
    {58, "LV_IMG_CF_ALPHA", 0, "1", "1"},
    {59, "LV_IMG_CACHE_DEF_SIZE", 0, "1", "1"},
    {60, "void *", 2, "lv_img_decoder_user_data_t", "lv_img_decoder_user_data_t"},
    {61, "LV_BIG_ENDIAN_SYSTEM", 0, "0", "0"},
    {62, "LV_ATTRIBUTE_TICK_INC", 3, "", ""},
    {63, "LV_ATTRIBUTE_TASK_HANDLER", 3, "", ""},
    {64, "LV_ATTRIBUTE_FLUSH_READY", 3, "", ""},
    {65, "LV_ATTRIBUTE_MEM_ALIGN_SIZE", 0, "", "64"},
    {66, "LV_ATTRIBUTE_MEM_ALIGN", 1, "", "__attribute__((aligned(LV_ATTRIBUTE_MEM_ALIGN_SIZE)))"},
    {67, "LV_ATTRIBUTE_LARGE_CONST", 3, "", ""},
    {68, "LV_ATTRIBUTE_FAST_MEM", 3, "", ""},
    {69, "LV_EXPORT_CONST_INT(int_value)", 0, "struct _silence_gcc_warning", "struct _silence_gcc_warning"},
    {70, "LV_ATTRIBUTE_DMA", 3, "", ""},
    {71, "LV_TICK_CUSTOM", 0, "0", "0"},
    {72, "LV_TICK_CUSTOM_INCLUDE", 1, "Arduino.h", "Arduino.h"},
    {73, "LV_TICK_CUSTOM_SYS_TIME_EXPR", 1, "(millis())", "(millis())"},
    {74, "void *", 2, "lv_disp_drv_user_data_t", "lv_disp_drv_user_data_t"},
    {75, "void *", 2, "lv_indev_drv_user_data_t", "lv_indev_drv_user_data_t"},
    {76, "LV_USE_LOG", 0, "0", "0"},
    {77, "LV_LOG_LEVEL", 1, "LV_LOG_LEVEL_WARN", "LV_LOG_LEVEL_WARN"},
    {78, "LV_LOG_PRINTF", 0, "0", "0"},
    {79, "LV_USE_DEBUG", 0, "0", "0"},
    {80, "LV_USE_ASSERT_NULL", 0, "1", "1"},
    {81, "LV_USE_ASSERT_MEM", 0, "1", "1"},
    {82, "LV_USE_ASSERT_MEM_INTEGRITY", 0, "0", "0"},
    {83, "LV_USE_ASSERT_STR", 0, "0", "0"},
    {84, "LV_USE_ASSERT_OBJ", 0, "0", "0"},
    {85, "LV_USE_ASSERT_STYLE", 0, "0", "0"},
    {86, "LV_FONT_MONTSERRAT_8", 0, "0", "0"},
    {87, "LV_FONT_MONTSERRAT_10", 0, "0", "0"},
    {88, "LV_FONT_MONTSERRAT_12", 0, "1", "1"},
    {89, "LV_FONT_MONTSERRAT_14", 0, "0", "0"},
    {90, "LV_FONT_MONTSERRAT_16", 0, "1", "1"},
    {91, "LV_FONT_MONTSERRAT_18", 0, "0", "0"},
    {92, "LV_FONT_MONTSERRAT_20", 0, "1", "1"},
    {93, "LV_FONT_MONTSERRAT_22", 0, "0", "0"},
    {94, "LV_FONT_MONTSERRAT_24", 0, "1", "1"},
    {95, "LV_FONT_MONTSERRAT_26", 0, "0", "0"},
    {96, "LV_FONT_MONTSERRAT_28", 0, "0", "0"},
    {97, "LV_FONT_MONTSERRAT_30", 0, "0", "0"},
    {98, "LV_FONT_MONTSERRAT_32", 0, "0", "0"},
    {99, "LV_FONT_MONTSERRAT_34", 0, "0", "0"},
    {100, "LV_FONT_MONTSERRAT_36", 0, "0", "0"},
    {101, "LV_FONT_MONTSERRAT_38", 0, "0", "0"},
    {102, "LV_FONT_MONTSERRAT_40", 0, "0", "0"},
    {103, "LV_FONT_MONTSERRAT_42", 0, "0", "0"},
    {104, "LV_FONT_MONTSERRAT_44", 0, "0", "0"},
    {105, "LV_FONT_MONTSERRAT_46", 0, "0", "0"},
    {106, "LV_FONT_MONTSERRAT_48", 0, "0", "0"},
    {107, "LV_FONT_MONTSERRAT_12_SUBPX", 0, "0", "0"},
    {108, "LV_FONT_MONTSERRAT_28_COMPRESSED", 0, "0", "0"},
    {109, "LV_FONT_DEJAVU_16_PERSIAN_HEBREW", 0, "0", "0"},
    {110, "LV_FONT_SIMSUN_16_CJK", 0, "0", "0"},
    {111, "LV_FONT_UNSCII_8", 0, "0", "0"},
    {112, "LV_FONT_CUSTOM_DECLARE", 3, "", "0"},
    {113, "LV_FONT_FMT_TXT_LARGE", 0, "0", "0"},
    {114, "LV_USE_FONT_COMPRESSED", 0, "1", "1"},
    {115, "LV_USE_FONT_SUBPX", 0, "0", "0"},
    {116, "LV_FONT_SUBPX_BGR", 0, "0", "0"},
    {117, "void *", 2, "lv_font_user_data_t", "lv_font_user_data_t"},
    {118, "LV_USE_THEME_EMPTY", 0, "1", "1"},
    {119, "LV_USE_THEME_TEMPLATE", 0, "1", "1"},
    {120, "LV_USE_THEME_MATERIAL", 0, "1", "1"},
    {121, "LV_USE_THEME_MONO", 0, "1", "1"},
    {122, "LV_THEME_DEFAULT_INCLUDE", 1, "<stdint.h>", "<stdint.h>"},
    {123, "LV_THEME_DEFAULT_INIT", 1, "lv_theme_material_init", "lv_theme_material_init"},
    {124, "LV_THEME_DEFAULT_COLOR_PRIMARY", 1, "lv_color_hex(0x01a2b1)", "lv_color_hex(0x01a2b1)"},
    {125, "LV_THEME_DEFAULT_COLOR_SECONDARY", 1, "lv_color_hex(0x44d1b6)", "lv_color_hex(0x44d1b6)"},
    {126, "LV_THEME_DEFAULT_FLAG", 1, "LV_THEME_MATERIAL_FLAG_LIGHT", "LV_THEME_MATERIAL_FLAG_LIGHT"},
    {127, "LV_THEME_DEFAULT_FONT_SMALL", 1, "&lv_font_montserrat_12", "&lv_font_montserrat_12"},
    {128, "LV_THEME_DEFAULT_FONT_NORMAL", 1, "&lv_font_montserrat_16", "&lv_font_montserrat_16"},
    {129, "LV_THEME_DEFAULT_FONT_SUBTITLE", 1, "&lv_font_montserrat_20", "&lv_font_montserrat_20"},
    {130, "LV_THEME_DEFAULT_FONT_TITLE", 1, "&lv_font_montserrat_24", "&lv_font_montserrat_24"},
    {131, "LV_TXT_ENC", 1, "LV_TXT_ENC_UTF8", "LV_TXT_ENC_UTF8"},
    {132, "LV_TXT_BREAK_CHARS", 1, "\" ,.;:-_\"", "\" ,.;:-_\""},
    {133, "LV_TXT_LINE_BREAK_LONG_LEN", 0, "0", "0"},
    {134, "LV_TXT_LINE_BREAK_LONG_PRE_MIN_LEN", 0, "3", "3"},
    {135, "LV_TXT_LINE_BREAK_LONG_POST_MIN_LEN", 0, "3", "3"},
    {136, "LV_TXT_COLOR_CMD", 1, "\"#\"", "\"#\""},
    {137, "LV_USE_BIDI", 0, "0", "0"},
    {138, "LV_BIDI_BASE_DIR_DEF", 1, "LV_BIDI_DIR_AUTO", "LV_BIDI_DIR_AUTO"},
    {139, "LV_USE_ARABIC_PERSIAN_CHARS", 0, "0", "0"},
    {140, "LV_SPRINTF_CUSTOM", 0, "0", "0"},
    {141, "LV_SPRINTF_INCLUDE", 1, "<stdio.h>", "<stdio.h>"},
    {142, "lv_snprintf", 1, "snprintf", "snprintf"},
    {143, "lv_vsnprintf", 1, "vsnprintf", "vsnprintf"},
    {144, "LV_SPRINTF_DISABLE_FLOAT", 0, "1", "1"},
    {145, "RSVD145", 0, "", ""},
    {146, "void *", 2, "lv_obj_user_data_t", "lv_obj_user_data_t"},
    {147, "LV_USE_USER_DATA_FREE", 0, "0", "0"},
    {148, "LV_USER_DATA_FREE_INCLUDE", 1, "\"something.h\"", "\"something.h\""},
    {149, "LV_USER_DATA_FREE", 1, "(user_data_free)", "(user_data_free)"},
    {150, "LV_USE_OBJ_REALIGN", 0, "1", "1"},
    {151, "LV_USE_EXT_CLICK_AREA", 1, "LV_EXT_CLICK_AREA_TINY", "LV_EXT_CLICK_AREA_TINY"},
    {152, "LV_USE_ARC", 0, "0", "0"},
    {153, "LV_USE_BAR", 0, "0", "0"},
    {154, "LV_USE_BTN", 0, "0", "0"},
    {155, "LV_USE_BTNMATRIX", 0, "0", "0"},
    {156, "LV_USE_CALENDAR", 0, "0", "0"},
    {157, "LV_CALENDAR_WEEK_STARTS_MONDAY", 0, "0", "0"},
    {158, "LV_USE_CANVAS", 0, "0", "0"},
    {159, "LV_USE_CHECKBOX", 0, "0", "0"},
    {160, "LV_USE_CHART", 0, "0", "0"},
    {161, "LV_CHART_AXIS_TICK_LABEL_MAX_LEN", 0, "256", "256"},
    {162, "LV_USE_CONT", 0, "1", "1"},
    {163, "LV_USE_CPICKER", 0, "0", "0"},
    {164, "LV_USE_DROPDOWN", 0, "0", "0"},
    {165, "LV_DROPDOWN_DEF_ANIM_TIME", 0, "200", "200"},
    {166, "LV_USE_GAUGE", 0, "0", "0"},
    {167, "LV_USE_IMG", 0, "0", "0"},
    {168, "LV_USE_IMGBTN", 0, "0", "0"},
    {169, "LV_IMGBTN_TILED", 0, "0", "0"},
    {170, "LV_USE_KEYBOARD", 0, "0", "0"},
    {171, "LV_USE_LABEL", 0, "0", "0"},
    {172, "LV_LABEL_DEF_SCROLL_SPEED", 0, "25", "25"},
    {173, "LV_LABEL_WAIT_CHAR_COUNT", 0, "3", "3"},
    {174, "LV_LABEL_TEXT_SEL", 0, "0", "0"},
    {175, "LV_LABEL_LONG_TXT_HINT", 0, "0", "0"},
    {176, "LV_USE_LED", 0, "0", "0"},
    {177, "LV_LED_BRIGHT_MIN", 0, "120", "120"},
    {178, "LV_LED_BRIGHT_MAX", 0, "255", "255"},
    {179, "LV_USE_LINE", 0, "0", "0"},
    {180, "LV_USE_LIST", 0, "0", "0"},
    {181, "LV_LIST_DEF_ANIM_TIME", 0, "100", "100"},
    {182, "LV_USE_LINEMETER", 0, "0", "0"},
    {183, "LV_LINEMETER_PRECISE", 0, "1", "1"},
    {184, "LV_USE_OBJMASK", 0, "1", "1"},
    {185, "LV_USE_MSGBOX", 0, "0", "0"},
    {186, "LV_USE_PAGE", 0, "1", "1"},
    {187, "LV_PAGE_DEF_ANIM_TIME", 0, "400", "400"},
    {188, "LV_USE_SPINNER", 0, "0", "0"},
    {189, "LV_SPINNER_DEF_ARC_LENGTH", 0, "60", "60"},
    {190, "LV_SPINNER_DEF_SPIN_TIME", 0, "1000", "1000"},
    {191, "LV_SPINNER_DEF_ANIM", 1, "LV_SPINNER_TYPE_SPINNING_ARC", "LV_SPINNER_TYPE_SPINNING_ARC"},
    {192, "LV_USE_ROLLER", 0, "0", "0"},
    {193, "LV_ROLLER_DEF_ANIM_TIME", 0, "200", "200"},
    {194, "LV_ROLLER_INF_PAGES", 0, "7", "7"},
    {195, "LV_USE_SLIDER", 0, "0", "0"},
    {196, "LV_USE_SPINBOX", 0, "0", "0"},
    {197, "LV_USE_SWITCH", 0, "0", "0"},
    {198, "LV_USE_TEXTAREA", 0, "0", "0"},
    {199, "LV_TEXTAREA_DEF_CURSOR_BLINK_TIME", 0, "400", "400"},
    {200, "LV_TEXTAREA_DEF_PWD_SHOW_TIME", 0, "1500", "1500"},
    {201, "LV_USE_TABLE", 0, "0", "0"},
    {202, "LV_TABLE_COL_MAX", 0, "12", "12"},
    {203, "LV_TABLE_CELL_STYLE_CNT", 0, "4", "4"},
    {204, "LV_USE_TABVIEW", 0, "0", "0"},
    {205, "LV_TABVIEW_DEF_ANIM_TIME", 0, "300", "300"},
    {206, "LV_USE_TILEVIEW", 0, "0", "0"},
    {207, "LV_TILEVIEW_DEF_ANIM_TIME", 0, "300", "300"},
    {208, "LV_USE_WIN", 0, "0", "0"},
    {209, "_CRT_SECURE_NO_WARNINGS", 3, "", ""},
    {210, "LV_USE_ANIM_IMG", 0, "0", "0"},
    {211, "LV_USE_KELDRAN_SIMULATOR", 0, "1", "0"},
};

// The kind summary names its entries by ranges; checked apart from the row listing above, so
// that a kind mistyped in both the table and one transcription still shows.
int listed_kind(int index) {
    const auto in = [index](std::initializer_list<std::pair<int, int>> ranges) {
        for (const auto& [a, b] : ranges)
            if (index >= a && index <= b) return true;
        return false;
    };
    if (in({{19, 20}, {23, 25}, {66, 66}, {72, 73}, {77, 77}, {122, 132}, {136, 136}, {138, 138},
            {141, 143}, {148, 149}, {151, 151}, {191, 191}}))
        return MAC_KIND_SYM;
    if (in({{12, 12}, {36, 36}, {46, 46}, {52, 52}, {60, 60}, {74, 75}, {117, 117}, {146, 146}}))
        return MAC_KIND_TYPEDEF;
    if (in({{15, 15}, {62, 64}, {67, 68}, {70, 70}, {112, 112}, {209, 209}})) return MAC_KIND_EMPTY;
    if (index == 18) return MAC_KIND_STR;
    if (index == 26 || index == 27) return MAC_KIND_NONE;
    return MAC_KIND_NUM;
}

class TableTest : public ::testing::Test {
protected:
    void TearDown() override { reset_full_conf(); }
};

// A source record as the conf.json reader builds it.
mac_obj_t source(const char* sim_val, const char* board_val) {
    mac_obj_t src{};
    src.sim_val = sim_val;
    src.board_val = board_val;
    src.owned = 1;
    return src;
}

}  // namespace

using setwright_table = TableTest;

TEST_F(setwright_table, EveryRowMatchesTheListing) {
    ASSERT_EQ(std::size(kListing), static_cast<std::size_t>(MAC_COUNT));
    for (const ListedEntry& l : kListing) {
        SCOPED_TRACE("entry " + std::to_string(l.index));
        const mac_obj_t& e = full_conf.at(static_cast<std::size_t>(l.index));
        EXPECT_EQ(e.id, l.index);
        EXPECT_STREQ(e.name, l.name);
        EXPECT_EQ(e.kind, l.kind);
        EXPECT_EQ(e.kind, listed_kind(l.index));
        EXPECT_STREQ(e.sim_val, l.sim_val);
        EXPECT_STREQ(e.board_val, l.board_val);
        EXPECT_EQ(e.owned, 0);
        EXPECT_EQ(e.chk, &mac_chk_num);
        EXPECT_EQ(e.gen, l.index == 14 ? &mem_size_gen : &mac_code_gen);
        const int en = (l.index == 26 || l.index == 27) ? 0 : 1;
        EXPECT_EQ(e.sim_en, en);
        EXPECT_EQ(e.board_en, en);
        EXPECT_STREQ(e.note, l.index == 35 ? "lv_anim_user_data_t" : "");
    }
}

TEST_F(setwright_table, WideInvariantsOfTheListing) {
    int kind_counts[6] = {};
    std::set<int> differing;
    for (const mac_obj_t& e : full_conf) {
        ASSERT_LT(e.kind, 6);
        ++kind_counts[e.kind];
        if (std::strcmp(e.sim_val, e.board_val) != 0) differing.insert(e.id);
    }
    EXPECT_EQ(kind_counts[MAC_KIND_NUM], 162);
    EXPECT_EQ(kind_counts[MAC_KIND_SYM], 29);
    EXPECT_EQ(kind_counts[MAC_KIND_TYPEDEF], 9);
    EXPECT_EQ(kind_counts[MAC_KIND_EMPTY], 9);
    EXPECT_EQ(kind_counts[MAC_KIND_STR], 1);
    EXPECT_EQ(kind_counts[MAC_KIND_NONE], 2);
    EXPECT_EQ(differing, (std::set<int>{65, 66, 112, 211}));
    EXPECT_EQ(mac_chk_num(full_conf[0], "anything"), 0);
}

TEST_F(setwright_table, VersionSelectsTheSpellingOfEntry49) {
    const char* built_in = "LV_USE_GPU_VORLIX_QVB_AUTO_INIT";
    select_lvgl_version("7.0.1");
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA");
    for (const char* other : {"7.0.10", "7.0.", "7.0.1 ", "", "7.1.0"}) {
        select_lvgl_version("7.0.1");
        select_lvgl_version(other);
        EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, built_in) << '"' << other << '"';
    }
    reset_full_conf();
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, built_in);
}

TEST_F(setwright_table, MergeStoresCopiesAndSwitchesHeadersOff) {
    std::string sim = "123";
    ASSERT_EQ(update_mac_value(source(sim.c_str(), "~~"), 2), 0);
    sim = "changed after the merge";
    const mac_obj_t& e = full_conf[2];
    EXPECT_STREQ(e.sim_val, "123");  // a copy, not the caller's text
    EXPECT_STREQ(e.board_val, "~~");  // kept, but never rendered
    EXPECT_EQ(e.sim_en, 1);
    EXPECT_EQ(e.board_en, 0);
    EXPECT_EQ(e.owned, 1);

    // A member that was no JSON string: empty text, switched off for that header only.
    ASSERT_EQ(update_mac_value(source(nullptr, "true"), 2), 0);
    EXPECT_STREQ(e.sim_val, "");
    EXPECT_STREQ(e.board_val, "true");
    EXPECT_EQ(e.sim_en, 0);
    EXPECT_EQ(e.board_en, 1);

    // The default-off placeholders can be switched on like any other entry.
    ASSERT_EQ(update_mac_value(source("", ""), 26), 0);
    EXPECT_EQ(full_conf[26].sim_en, 1);
    EXPECT_EQ(full_conf[26].board_en, 1);
}

TEST_F(setwright_table, ResetReleasesCopiesAndRestoresDefaults) {
    // Repeated merges into one entry must free the copies they replace (the sanitizer build
    // reports a leak otherwise) and the reset must bring the literal defaults back.
    for (int i = 0; i < 3; ++i) ASSERT_EQ(update_mac_value(source("a", "b"), 211), 0);
    select_lvgl_version("7.0.1");
    reset_full_conf();
    EXPECT_STREQ(full_conf[211].sim_val, "1");
    EXPECT_STREQ(full_conf[211].board_val, "0");
    EXPECT_EQ(full_conf[211].owned, 0);
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, "LV_USE_GPU_VORLIX_QVB_AUTO_INIT");
}
