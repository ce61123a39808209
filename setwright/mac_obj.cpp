#include "mac_obj.h"

#include <cstdlib>
#include <cstring>

#include "basic.h"

namespace setwright {

namespace {

// An entry rendered by mac_code_gen into both headers, with its two defaults.
constexpr mac_obj_t row(std::int32_t id, std::uint8_t kind, const char* name, const char* sim_val,
                        const char* board_val) {
    return mac_obj_t{mac_chk_num, mac_code_gen, kind, 0, 1, 1, name, sim_val, board_val, "", id};
}

// An entry whose default is the same text for both headers.
constexpr mac_obj_t row(std::int32_t id, std::uint8_t kind, const char* name, const char* value) {
    return row(id, kind, name, value, value);
}

constexpr mac_obj_t with_gen(mac_obj_t obj, mac_gen_fn gen) {
    obj.gen = gen;
    return obj;
}

constexpr mac_obj_t switched_off(mac_obj_t obj) {
    obj.sim_en = 0;
    obj.board_en = 0;
    return obj;
}

constexpr mac_obj_t with_note(mac_obj_t obj, const char* note) {
    obj.note = note;
    return obj;
}

// The built-in table. Index i holds entry i: conf.json and the header template both address
// entries by position, so rows must never be reordered, inserted or removed.
constexpr std::array<mac_obj_t, MAC_COUNT> kBuiltIn = {{
    row(0, MAC_KIND_NUM, "LV_HOR_RES_MAX", "(480)"),
    row(1, MAC_KIND_NUM, "LV_VER_RES_MAX", "(272)"),
    row(2, MAC_KIND_NUM, "LV_COLOR_DEPTH", "16"),
    row(3, MAC_KIND_NUM, "LV_COLOR_16_SWAP", "0"),
    row(4, MAC_KIND_NUM, "LV_COLOR_SCREEN_TRANSP", "0"),
    row(5, MAC_KIND_NUM, "LV_COLOR_TRANSP", "LV_COLOR_LIME"),
    row(6, MAC_KIND_NUM, "LV_ANTIALIAS", "1"),
    row(7, MAC_KIND_NUM, "LV_DISP_DEF_REFR_PERIOD", "30"),
    row(8, MAC_KIND_NUM, "LV_DPI", "130"),
    row(9, MAC_KIND_NUM, "LV_DISP_SMALL_LIMIT", "30"),
    row(10, MAC_KIND_NUM, "LV_DISP_MEDIUM_LIMIT", "50"),
    row(11, MAC_KIND_NUM, "LV_DISP_LARGE_LIMIT", "70"),
    row(12, MAC_KIND_TYPEDEF, "int16_t", "lv_coord_t"),
    row(13, MAC_KIND_NUM, "LV_MEM_CUSTOM", "0"),
    with_gen(row(14, MAC_KIND_NUM, "LV_MEM_SIZE", "32"), mem_size_gen),
    row(15, MAC_KIND_EMPTY, "LV_MEM_ATTR", ""),
    row(16, MAC_KIND_NUM, "LV_MEM_ADR", "0"),
    row(17, MAC_KIND_NUM, "LV_MEM_AUTO_DEFRAG", "1"),
    row(18, MAC_KIND_STR, "LV_MEM_CUSTOM_INCLUDE", "<stdlib.h>"),
    row(19, MAC_KIND_SYM, "LV_MEM_CUSTOM_ALLOC", "malloc"),
    row(20, MAC_KIND_SYM, "LV_MEM_CUSTOM_FREE", "free"),
    row(21, MAC_KIND_NUM, "LV_MEMCPY_MEMSET_STD", "0"),
    row(22, MAC_KIND_NUM, "LV_ENABLE_GC", "0"),
    row(23, MAC_KIND_SYM, "LV_GC_INCLUDE", "\"gc.h\""),
    row(24, MAC_KIND_SYM, "LV_MEM_CUSTOM_REALLOC", "realloc"),
    row(25, MAC_KIND_SYM, "LV_MEM_CUSTOM_GET_SIZE", "mem_get_size"),
    switched_off(row(26, MAC_KIND_NONE, "", "0")),
    switched_off(row(27, MAC_KIND_NONE, "", "0")),
    row(28, MAC_KIND_NUM, "LV_INDEV_DEF_READ_PERIOD", "30"),
    row(29, MAC_KIND_NUM, "LV_INDEV_DEF_DRAG_LIMIT", "10"),
    row(30, MAC_KIND_NUM, "LV_INDEV_DEF_DRAG_THROW", "10"),
    row(31, MAC_KIND_NUM, "LV_INDEV_DEF_LONG_PRESS_TIME", "400"),
    row(32, MAC_KIND_NUM, "LV_INDEV_DEF_LONG_PRESS_REP_TIME", "100"),
    row(33, MAC_KIND_NUM, "LV_INDEV_DEF_GESTURE_LIMIT", "50"),
    row(34, MAC_KIND_NUM, "LV_INDEV_DEF_GESTURE_MIN_VELOCITY", "3"),
    with_note(row(35, MAC_KIND_NUM, "LV_USE_ANIMATION", "1"), "lv_anim_user_data_t"),
    row(36, MAC_KIND_TYPEDEF, "void *", "lv_anim_user_data_t"),
    row(37, MAC_KIND_NUM, "LV_USE_SHADOW", "1"),
    row(38, MAC_KIND_NUM, "LV_SHADOW_CACHE_SIZE", "0"),
    row(39, MAC_KIND_NUM, "LV_USE_OUTLINE", "1"),
    row(40, MAC_KIND_NUM, "LV_USE_PATTERN", "1"),
    row(41, MAC_KIND_NUM, "LV_USE_VALUE_STR", "1"),
    row(42, MAC_KIND_NUM, "LV_USE_BLEND_MODES", "1"),
    row(43, MAC_KIND_NUM, "LV_USE_OPA_SCALE", "1"),
    row(44, MAC_KIND_NUM, "LV_USE_IMG_TRANSFORM", "1"),
    row(45, MAC_KIND_NUM, "LV_USE_GROUP", "1"),
    row(46, MAC_KIND_TYPEDEF, "void *", "lv_group_user_data_t"),
    row(47, MAC_KIND_NUM, "LV_USE_GPU", "1"),
    row(48, MAC_KIND_NUM, "LV_USE_GPU_VORLIX_QVB", "0"),
    row(49, MAC_KIND_NUM, "LV_USE_GPU_VORLIX_QVB_AUTO_INIT", "0"),
    row(50, MAC_KIND_NUM, "LV_USE_GPU_VORLIX_ZINTRA", "0"),
    row(51, MAC_KIND_NUM, "LV_USE_FILESYSTEM", "1"),
    row(52, MAC_KIND_TYPEDEF, "void *", "lv_fs_drv_user_data_t"),
    row(53, MAC_KIND_NUM, "LV_USE_USER_DATA", "0"),
    row(54, MAC_KIND_NUM, "LV_USE_PERF_MONITOR", "0"),
    row(55, MAC_KIND_NUM, "LV_USE_API_EXTENSION_V6", "1"),
    row(56, MAC_KIND_NUM, "LV_USE_API_EXTENSION_V7", "1"),
    row(57, MAC_KIND_NUM, "LV_IMG_CF_INDEXED", "1"),
    row(58, MAC_KIND_NUM, "LV_IMG_CF_ALPHA", "1"),
    row(59, MAC_KIND_NUM, "LV_IMG_CACHE_DEF_SIZE", "1"),
    row(60, MAC_KIND_TYPEDEF, "void *", "lv_img_decoder_user_data_t"),
    row(61, MAC_KIND_NUM, "LV_BIG_ENDIAN_SYSTEM", "0"),
    row(62, MAC_KIND_EMPTY, "LV_ATTRIBUTE_TICK_INC", ""),
    row(63, MAC_KIND_EMPTY, "LV_ATTRIBUTE_TASK_HANDLER", ""),
    row(64, MAC_KIND_EMPTY, "LV_ATTRIBUTE_FLUSH_READY", ""),
    row(65, MAC_KIND_NUM, "LV_ATTRIBUTE_MEM_ALIGN_SIZE", "", "64"),
    row(66, MAC_KIND_SYM, "LV_ATTRIBUTE_MEM_ALIGN", "",
        "__attribute__((aligned(LV_ATTRIBUTE_MEM_ALIGN_SIZE)))"),
    row(67, MAC_KIND_EMPTY, "LV_ATTRIBUTE_LARGE_CONST", ""),
    row(68, MAC_KIND_EMPTY, "LV_ATTRIBUTE_FAST_MEM", ""),
    row(69, MAC_KIND_NUM, "LV_EXPORT_CONST_INT(int_value)", "struct _silence_gcc_warning"),
    row(70, MAC_KIND_EMPTY, "LV_ATTRIBUTE_DMA", ""),
    row(71, MAC_KIND_NUM, "LV_TICK_CUSTOM", "0"),
    row(72, MAC_KIND_SYM, "LV_TICK_CUSTOM_INCLUDE", "Arduino.h"),
    row(73, MAC_KIND_SYM, "LV_TICK_CUSTOM_SYS_TIME_EXPR", "(millis())"),
    row(74, MAC_KIND_TYPEDEF, "void *", "lv_disp_drv_user_data_t"),
    row(75, MAC_KIND_TYPEDEF, "void *", "lv_indev_drv_user_data_t"),
    row(76, MAC_KIND_NUM, "LV_USE_LOG", "0"),
    row(77, MAC_KIND_SYM, "LV_LOG_LEVEL", "LV_LOG_LEVEL_WARN"),
    row(78, MAC_KIND_NUM, "LV_LOG_PRINTF", "0"),
    row(79, MAC_KIND_NUM, "LV_USE_DEBUG", "0"),
    row(80, MAC_KIND_NUM, "LV_USE_ASSERT_NULL", "1"),
    row(81, MAC_KIND_NUM, "LV_USE_ASSERT_MEM", "1"),
    row(82, MAC_KIND_NUM, "LV_USE_ASSERT_MEM_INTEGRITY", "0"),
    row(83, MAC_KIND_NUM, "LV_USE_ASSERT_STR", "0"),
    row(84, MAC_KIND_NUM, "LV_USE_ASSERT_OBJ", "0"),
    row(85, MAC_KIND_NUM, "LV_USE_ASSERT_STYLE", "0"),
    row(86, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_8", "0"),
    row(87, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_10", "0"),
    row(88, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_12", "1"),
    row(89, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_14", "0"),
    row(90, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_16", "1"),
    row(91, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_18", "0"),
    row(92, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_20", "1"),
    row(93, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_22", "0"),
    row(94, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_24", "1"),
    row(95, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_26", "0"),
    row(96, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_28", "0"),
    row(97, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_30", "0"),
    row(98, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_32", "0"),
    row(99, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_34", "0"),
    row(100, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_36", "0"),
    row(101, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_38", "0"),
    row(102, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_40", "0"),
    row(103, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_42", "0"),
    row(104, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_44", "0"),
    row(105, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_46", "0"),
    row(106, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_48", "0"),
    row(107, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_12_SUBPX", "0"),
    row(108, MAC_KIND_NUM, "LV_FONT_MONTSERRAT_28_COMPRESSED", "0"),
    row(109, MAC_KIND_NUM, "LV_FONT_DEJAVU_16_PERSIAN_HEBREW", "0"),
    row(110, MAC_KIND_NUM, "LV_FONT_SIMSUN_16_CJK", "0"),
    row(111, MAC_KIND_NUM, "LV_FONT_UNSCII_8", "0"),
    row(112, MAC_KIND_EMPTY, "LV_FONT_CUSTOM_DECLARE", "", "0"),
    row(113, MAC_KIND_NUM, "LV_FONT_FMT_TXT_LARGE", "0"),
    row(114, MAC_KIND_NUM, "LV_USE_FONT_COMPRESSED", "1"),
    row(115, MAC_KIND_NUM, "LV_USE_FONT_SUBPX", "0"),
    row(116, MAC_KIND_NUM, "LV_FONT_SUBPX_BGR", "0"),
    row(117, MAC_KIND_TYPEDEF, "void *", "lv_font_user_data_t"),
    row(118, MAC_KIND_NUM, "LV_USE_THEME_EMPTY", "1"),
    row(119, MAC_KIND_NUM, "LV_USE_THEME_TEMPLATE", "1"),
    row(120, MAC_KIND_NUM, "LV_USE_THEME_MATERIAL", "1"),
    row(121, MAC_KIND_NUM, "LV_USE_THEME_MONO", "1"),
    row(122, MAC_KIND_SYM, "LV_THEME_DEFAULT_INCLUDE", "<stdint.h>"),
    row(123, MAC_KIND_SYM, "LV_THEME_DEFAULT_INIT", "lv_theme_material_init"),
    row(124, MAC_KIND_SYM, "LV_THEME_DEFAULT_COLOR_PRIMARY", "lv_color_hex(0x01a2b1)"),
    row(125, MAC_KIND_SYM, "LV_THEME_DEFAULT_COLOR_SECONDARY", "lv_color_hex(0x44d1b6)"),
    row(126, MAC_KIND_SYM, "LV_THEME_DEFAULT_FLAG", "LV_THEME_MATERIAL_FLAG_LIGHT"),
    row(127, MAC_KIND_SYM, "LV_THEME_DEFAULT_FONT_SMALL", "&lv_font_montserrat_12"),
    row(128, MAC_KIND_SYM, "LV_THEME_DEFAULT_FONT_NORMAL", "&lv_font_montserrat_16"),
    row(129, MAC_KIND_SYM, "LV_THEME_DEFAULT_FONT_SUBTITLE", "&lv_font_montserrat_20"),
    row(130, MAC_KIND_SYM, "LV_THEME_DEFAULT_FONT_TITLE", "&lv_font_montserrat_24"),
    row(131, MAC_KIND_SYM, "LV_TXT_ENC", "LV_TXT_ENC_UTF8"),
    row(132, MAC_KIND_SYM, "LV_TXT_BREAK_CHARS", "\" ,.;:-_\""),
    row(133, MAC_KIND_NUM, "LV_TXT_LINE_BREAK_LONG_LEN", "0"),
    row(134, MAC_KIND_NUM, "LV_TXT_LINE_BREAK_LONG_PRE_MIN_LEN", "3"),
    row(135, MAC_KIND_NUM, "LV_TXT_LINE_BREAK_LONG_POST_MIN_LEN", "3"),
    row(136, MAC_KIND_SYM, "LV_TXT_COLOR_CMD", "\"#\""),
    row(137, MAC_KIND_NUM, "LV_USE_BIDI", "0"),
    row(138, MAC_KIND_SYM, "LV_BIDI_BASE_DIR_DEF", "LV_BIDI_DIR_AUTO"),
    row(139, MAC_KIND_NUM, "LV_USE_ARABIC_PERSIAN_CHARS", "0"),
    row(140, MAC_KIND_NUM, "LV_SPRINTF_CUSTOM", "0"),
    row(141, MAC_KIND_SYM, "LV_SPRINTF_INCLUDE", "<stdio.h>"),
    row(142, MAC_KIND_SYM, "lv_snprintf", "snprintf"),
    row(143, MAC_KIND_SYM, "lv_vsnprintf", "vsnprintf"),
    row(144, MAC_KIND_NUM, "LV_SPRINTF_DISABLE_FLOAT", "1"),
    row(145, MAC_KIND_NUM, "RSVD145", ""),
    row(146, MAC_KIND_TYPEDEF, "void *", "lv_obj_user_data_t"),
    row(147, MAC_KIND_NUM, "LV_USE_USER_DATA_FREE", "0"),
    row(148, MAC_KIND_SYM, "LV_USER_DATA_FREE_INCLUDE", "\"something.h\""),
    row(149, MAC_KIND_SYM, "LV_USER_DATA_FREE", "(user_data_free)"),
    row(150, MAC_KIND_NUM, "LV_USE_OBJ_REALIGN", "1"),
    row(151, MAC_KIND_SYM, "LV_USE_EXT_CLICK_AREA", "LV_EXT_CLICK_AREA_TINY"),
    row(152, MAC_KIND_NUM, "LV_USE_ARC", "0"),
    row(153, MAC_KIND_NUM, "LV_USE_BAR", "0"),
    row(154, MAC_KIND_NUM, "LV_USE_BTN", "0"),
    row(155, MAC_KIND_NUM, "LV_USE_BTNMATRIX", "0"),
    row(156, MAC_KIND_NUM, "LV_USE_CALENDAR", "0"),
    row(157, MAC_KIND_NUM, "LV_CALENDAR_WEEK_STARTS_MONDAY", "0"),
    row(158, MAC_KIND_NUM, "LV_USE_CANVAS", "0"),
    row(159, MAC_KIND_NUM, "LV_USE_CHECKBOX", "0"),
    row(160, MAC_KIND_NUM, "LV_USE_CHART", "0"),
    row(161, MAC_KIND_NUM, "LV_CHART_AXIS_TICK_LABEL_MAX_LEN", "256"),
    row(162, MAC_KIND_NUM, "LV_USE_CONT", "1"),
    row(163, MAC_KIND_NUM, "LV_USE_CPICKER", "0"),
    row(164, MAC_KIND_NUM, "LV_USE_DROPDOWN", "0"),
    row(165, MAC_KIND_NUM, "LV_DROPDOWN_DEF_ANIM_TIME", "200"),
    row(166, MAC_KIND_NUM, "LV_USE_GAUGE", "0"),
    row(167, MAC_KIND_NUM, "LV_USE_IMG", "0"),
    row(168, MAC_KIND_NUM, "LV_USE_IMGBTN", "0"),
    row(169, MAC_KIND_NUM, "LV_IMGBTN_TILED", "0"),
    row(170, MAC_KIND_NUM, "LV_USE_KEYBOARD", "0"),
    row(171, MAC_KIND_NUM, "LV_USE_LABEL", "0"),
    row(172, MAC_KIND_NUM, "LV_LABEL_DEF_SCROLL_SPEED", "25"),
    row(173, MAC_KIND_NUM, "LV_LABEL_WAIT_CHAR_COUNT", "3"),
    row(174, MAC_KIND_NUM, "LV_LABEL_TEXT_SEL", "0"),
    row(175, MAC_KIND_NUM, "LV_LABEL_LONG_TXT_HINT", "0"),
    row(176, MAC_KIND_NUM, "LV_USE_LED", "0"),
    row(177, MAC_KIND_NUM, "LV_LED_BRIGHT_MIN", "120"),
    row(178, MAC_KIND_NUM, "LV_LED_BRIGHT_MAX", "255"),
    row(179, MAC_KIND_NUM, "LV_USE_LINE", "0"),
    row(180, MAC_KIND_NUM, "LV_USE_LIST", "0"),
    row(181, MAC_KIND_NUM, "LV_LIST_DEF_ANIM_TIME", "100"),
    row(182, MAC_KIND_NUM, "LV_USE_LINEMETER", "0"),
    row(183, MAC_KIND_NUM, "LV_LINEMETER_PRECISE", "1"),
    row(184, MAC_KIND_NUM, "LV_USE_OBJMASK", "1"),
    row(185, MAC_KIND_NUM, "LV_USE_MSGBOX", "0"),
    row(186, MAC_KIND_NUM, "LV_USE_PAGE", "1"),
    row(187, MAC_KIND_NUM, "LV_PAGE_DEF_ANIM_TIME", "400"),
    row(188, MAC_KIND_NUM, "LV_USE_SPINNER", "0"),
    row(189, MAC_KIND_NUM, "LV_SPINNER_DEF_ARC_LENGTH", "60"),
    row(190, MAC_KIND_NUM, "LV_SPINNER_DEF_SPIN_TIME", "1000"),
    row(191, MAC_KIND_SYM, "LV_SPINNER_DEF_ANIM", "LV_SPINNER_TYPE_SPINNING_ARC"),
    row(192, MAC_KIND_NUM, "LV_USE_ROLLER", "0"),
    row(193, MAC_KIND_NUM, "LV_ROLLER_DEF_ANIM_TIME", "200"),
    row(194, MAC_KIND_NUM, "LV_ROLLER_INF_PAGES", "7"),
    row(195, MAC_KIND_NUM, "LV_USE_SLIDER", "0"),
    row(196, MAC_KIND_NUM, "LV_USE_SPINBOX", "0"),
    row(197, MAC_KIND_NUM, "LV_USE_SWITCH", "0"),
    row(198, MAC_KIND_NUM, "LV_USE_TEXTAREA", "0"),
    row(199, MAC_KIND_NUM, "LV_TEXTAREA_DEF_CURSOR_BLINK_TIME", "400"),
    row(200, MAC_KIND_NUM, "LV_TEXTAREA_DEF_PWD_SHOW_TIME", "1500"),
    row(201, MAC_KIND_NUM, "LV_USE_TABLE", "0"),
    row(202, MAC_KIND_NUM, "LV_TABLE_COL_MAX", "12"),
    row(203, MAC_KIND_NUM, "LV_TABLE_CELL_STYLE_CNT", "4"),
    row(204, MAC_KIND_NUM, "LV_USE_TABVIEW", "0"),
    row(205, MAC_KIND_NUM, "LV_TABVIEW_DEF_ANIM_TIME", "300"),
    row(206, MAC_KIND_NUM, "LV_USE_TILEVIEW", "0"),
    row(207, MAC_KIND_NUM, "LV_TILEVIEW_DEF_ANIM_TIME", "300"),
    row(208, MAC_KIND_NUM, "LV_USE_WIN", "0"),
    row(209, MAC_KIND_EMPTY, "_CRT_SECURE_NO_WARNINGS", ""),
    row(210, MAC_KIND_NUM, "LV_USE_ANIM_IMG", "0"),
    row(211, MAC_KIND_NUM, "LV_USE_KELDRAN_SIMULATOR", "1", "0"),
}};

// Entry 49's spelling for LVGL 7.0.1, which named the option after the OS abstraction; every
// other version uses the built-in name.
constexpr const char* kGpuName701 = "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA";

// A heap copy of `text`, or of the empty text when `text` is null; null when out of memory.
char* copy_value(const char* text) {
    if (text == nullptr) text = "";
    const std::size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy != nullptr) std::memcpy(copy, text, n);
    return copy;
}

// Values are switched off by a missing (non-string) member or by the text "~~".
std::int32_t enabled(const char* value) {
    return (value != nullptr && std::strcmp(value, "~~") != 0) ? 1 : 0;
}

void free_values(mac_obj_t& obj) {
    // Only copies made by update_mac_value are ever owned; the built-in texts are literals.
    std::free(const_cast<char*>(obj.board_val));
    std::free(const_cast<char*>(obj.sim_val));
}

}  // namespace

std::array<mac_obj_t, MAC_COUNT> full_conf = kBuiltIn;

int mac_chk_num(const mac_obj_t& /*obj*/, const char* /*value*/) {
    return 0;
}

int update_mac_value(const mac_obj_t& src, int index) {
    mac_obj_t& obj = full_conf.at(static_cast<std::size_t>(index));
    // Both copies are made before anything is released, so a failure changes nothing.
    char* board_val = copy_value(src.board_val);
    char* sim_val = copy_value(src.sim_val);
    if (board_val == nullptr || sim_val == nullptr) {
        std::free(board_val);
        std::free(sim_val);
        return 1;
    }
    if (obj.owned != 0) free_values(obj);
    obj.board_val = board_val;
    obj.sim_val = sim_val;
    obj.owned = src.owned != 0 ? src.owned : 1;
    obj.board_en = enabled(src.board_val);
    obj.sim_en = enabled(src.sim_val);
    return 0;
}

void select_lvgl_version(const char* version) {
    full_conf[GPU_OSA_INDEX].name =
        std::strcmp(version, "7.0.1") == 0 ? kGpuName701 : kBuiltIn[GPU_OSA_INDEX].name;
}

void reset_full_conf() {
    for (mac_obj_t& obj : full_conf) {
        if (obj.owned != 0) free_values(obj);
    }
    full_conf = kBuiltIn;
}

}  // namespace setwright
