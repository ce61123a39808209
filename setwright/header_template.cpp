#include "setwright/header_template.h"

#include <new>

#include "setwright/emit.h"

namespace setwright {

namespace {

// Only the opening differs between the headers: the board build pulls in its glue header.
constexpr std::string_view kSimulatorOpening =
    "#ifndef LV_CONF_H\n#define LV_CONF_H\n\n#include <stdint.h>\n\n";
constexpr std::string_view kBoardOpening =
    "#ifndef LV_CONF_H\n#define LV_CONF_H\n\n#include <stdint.h>\n#include \"brenvik_glue.h\"\n\n";

// A header from the built-in table is about 7 KiB; one reservation covers it and most others.
constexpr std::size_t kTypicalHeaderSize = 8 * 1024;

}  // namespace

extern constexpr std::array<TemplateRow, kTemplateRowCount> kTemplateRows = {{
    {0, 13, "\n#if LV_MEM_CUSTOM == 0\n/* Size of the memory used by `lv_mem_alloc` in bytes (>= 2kB)*/\n"},
    {14, 17, "#else /* LV_MEM_CUSTOM */\n"},
    {18, 20, "#endif    /* LV_MEM_CUSTOM */\n\n"},
    {21, 22, "\n#if LV_ENABLE_GC != 0\n"},
    {23, 25, "#endif /* LV_ENABLE_GC */\n\n"},
    {28, 35, "\n#if LV_USE_ANIMATION\n"},
    {36, 36, "#endif /* LV_USE_ANIMATION */\n\n"},
    {37, 37, "\n#if LV_USE_SHADOW\n"},
    {38, 38, "#endif /* LV_USE_SHADOW */\n\n"},
    {39, 45, "\n#if LV_USE_GROUP\n"},
    {46, 46, "#endif /* LV_USE_GROUP */\n\n"},
    {47, 51, "\n#if LV_USE_FILESYSTEM\n"},
    {52, 52, "#endif /* LV_USE_FILESYSTEM */\n\n"},
    {53, 66, "\n#ifndef LV_ATTRIBUTE_LARGE_CONST\n"},
    {67, 67, "#endif\n\n"},
    {68, 71, "\n#if LV_TICK_CUSTOM == 1\n"},
    {72, 73, "#endif /* LV_TICK_CUSTOM */\n\n"},
    {74, 76, "\n#if LV_USE_LOG\n"},
    {77, 78, "#endif /* LV_USE_LOG */\n\n"},
    {79, 79, "\n#if LV_USE_DEBUG\n"},
    {80, 85, "#endif /* LV_USE_DEBUG */\n\n"},
    {86, 115, "\n#if LV_USE_FONT_SUBPX\n"},
    {116, 116, "#endif /* LV_USE_FONT_SUBPX */\n\n"},
    {117, 137, "\n#if LV_USE_BIDI\n"},
    {138, 138, "#endif /* LV_USE_BIDI */\n\n"},
    {139, 140, "\n#if LV_SPRINTF_CUSTOM\n"},
    {141, 143, "#else /* !LV_SPRINTF_CUSTOM */\n"},
    {144, 144, "#endif /* LV_SPRINTF_CUSTOM */\n\n\n#if LV_USE_USER_DATA\n"},
    {146, 147, "#if LV_USE_USER_DATA_FREE\n"},
    {148, 149, "#endif\n#endif\n\n"},
    {150, 156, "\n#if LV_USE_CALENDAR\n"},
    {157, 157, "#endif /* LV_USE_CALENDAR */\n\n"},
    {158, 160, "\n#if LV_USE_CHART\n"},
    {161, 161, "#endif /* LV_USE_CHART */\n\n"},
    {162, 164, "\n#if LV_USE_DROPDOWN\n"},
    {165, 165, "#endif /* LV_USE_DROPDOWN */\n\n"},
    {166, 168, "\n#if LV_USE_IMGBTN\n"},
    {169, 169, "#endif /* LV_USE_IMGBTN */\n\n"},
    {170, 171, "\n#if LV_USE_LABEL != 0\n"},
    {172, 175, "#endif /* LV_USE_LABEL */\n\n"},
    {176, 176, "\n#if LV_USE_LED\n"},
    {177, 178, "#endif /* LV_USE_LED */\n\n"},
    {179, 180, "\n#if LV_USE_LIST != 0\n"},
    {181, 181, "#endif /* LV_USE_LIST */\n\n"},
    {182, 182, "\n#if LV_USE_LINEMETER\n"},
    {183, 183, "#endif /* LV_USE_LINEMETER */\n\n"},
    {184, 186, "\n#if LV_USE_PAGE != 0\n"},
    {187, 187, "#endif /* LV_USE_PAGE */\n\n"},
    {188, 188, "\n#if LV_USE_SPINNER != 0\n"},
    {189, 191, "#endif /* LV_USE_SPINNER */\n\n"},
    {192, 192, "\n#if LV_USE_ROLLER != 0\n"},
    {193, 194, "#endif /* LV_USE_ROLLER */\n\n"},
    {195, 198, "\n#if LV_USE_TEXTAREA != 0\n"},
    {199, 200, "#endif /* LV_USE_TEXTAREA */\n\n"},
    {201, 201, "\n#if LV_USE_TABLE\n"},
    {202, 203, "#endif /* LV_USE_TABLE */\n\n"},
    {204, 204, "\n#if LV_USE_TABVIEW != 0\n"},
    {205, 205, "#endif /* LV_USE_TABVIEW */\n\n"},
    {206, 206, "\n#if LV_USE_TILEVIEW\n"},
    {207, 207, "#endif /* LV_USE_TILEVIEW */\n\n"},
    {208, 208,
     "\n#if  defined(_MSC_VER) && !defined(_CRT_SECURE_NO_WARNINGS)"
     "    /* Disable warnings for Visual Studio*/\n"},
    {209, 209, "#endif\n\n"},
    {210, 211, "\n#endif"},
}};

namespace {

// The ranges ascend without gaps or overlaps and cover every entry except the three reserved
// slots (26, 27 and 145), which never reach a header.
constexpr bool covers_every_rendered_entry() {
    int next = 0;
    for (const TemplateRow& row : kTemplateRows) {
        while (next == 26 || next == 27 || next == 145) ++next;
        if (row.first != next || row.last < row.first) return false;
        next = row.last + 1;
    }
    return next == kEntryCount;
}
static_assert(covers_every_rendered_entry());

}  // namespace

std::string_view header_opening(Mode mode) {
    return mode == Mode::board ? kBoardOpening : kSimulatorOpening;
}

lvforge::Result<std::string, lvforge::OutOfMemory> render_header(const Configuration& config, Mode mode) {
    try {
        std::string text;
        text.reserve(kTypicalHeaderSize);
        text.append(header_opening(mode));
        for (const TemplateRow& row : kTemplateRows) {
            emit_range(config, row.first, row.last, mode, text);
            text.append(row.literal);
        }
        return text;
    } catch (const std::bad_alloc&) {
        return lvforge::OutOfMemory{};
    }
}

}  // namespace setwright
