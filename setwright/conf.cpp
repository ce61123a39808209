#include "conf.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "mac_obj.h"
#include "c_source.h"
#include "failure_text.h"

namespace setwright {

conf_code_t sim_conf_code{"sim_conf_code"};
conf_code_t board_conf_code{"board_conf_code"};

namespace {

// Only the opening differs between the headers: the board build pulls in its glue header.
constexpr const char* kSimOpening = "#ifndef LV_CONF_H\n#define LV_CONF_H\n\n#include <stdint.h>\n\n";
constexpr const char* kBoardOpening =
    "#ifndef LV_CONF_H\n#define LV_CONF_H\n\n#include <stdint.h>\n#include \"brenvik_glue.h\"\n\n";

conf_code_t& code_of(int mode) {
    return mode == MODE_BOARD ? board_conf_code : sim_conf_code;
}

// Appends `n` bytes and a NUL, growing the block when needed. False once the block could not
// grow; the buffer then stays broken until it is rebuilt.
bool put_text(conf_code_t& code, const char* s, std::size_t n) {
    if (code.broken) return false;
    const std::size_t need = code.len + n + 1;
    if (need > code.cap) {
        std::size_t cap = code.cap > 0 ? code.cap : CONF_CODE_SIZE;
        while (cap < need) cap *= 2;
        char* grown = static_cast<char*>(std::realloc(code.text, cap));
        if (grown == nullptr) {
            std::printf("%s realloc failed\n", code.label);
            code.broken = true;
            return false;
        }
        code.text = grown;
        code.cap = cap;
    }
    std::memcpy(code.text + code.len, s, n);
    code.len += n;
    code.text[code.len] = '\0';
    return true;
}

// Allocates one zero-filled block for `code`, first releasing one it already holds.
int alloc_code(conf_code_t& code) {
    if (code.text != nullptr) {
        std::printf("%s has been inited already, trying to free it!\n", code.label);
        std::free(code.text);
        code = conf_code_t{code.label};
    }
    code.text = static_cast<char*>(std::calloc(1, CONF_CODE_SIZE));
    if (code.text == nullptr) {
        std::printf("%s calloc failed\n", code.label);
        return 1;
    }
    code.cap = CONF_CODE_SIZE;
    return 0;
}

void release_code(conf_code_t& code) {
    std::free(code.text);
    code = conf_code_t{code.label};
}

}  // namespace

const std::array<conf_row_t, CONF_ROW_COUNT> conf_rows = {{
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

const char* conf_opening(int mode) {
    return mode == MODE_BOARD ? kBoardOpening : kSimOpening;
}

int init_conf() {
    if (alloc_code(sim_conf_code) != 0) return 1;
    return alloc_code(board_conf_code);
}

int gen_common_mac(int first, int last, conf_code_t& code, int mode) {
    if (first < 0) first = 0;
    if (last > MAC_COUNT - 1) last = MAC_COUNT - 1;
    std::string line;
    for (int i = first; i <= last; ++i) {
        const mac_obj_t& obj = full_conf[static_cast<std::size_t>(i)];
        if ((mode == MODE_SIMULATOR && obj.sim_en == 0) || (mode == MODE_BOARD && obj.board_en == 0))
            continue;
        line.clear();
        if (obj.gen(obj, line, mode) != 0) {
            // One wording whichever header is being built.
            std::puts("update_simulator_conf() gen code error");
            return 1;
        }
        put_text(code, line.data(), line.size());
    }
    return 0;
}

int update_conf(int mode) {
    conf_code_t& code = code_of(mode);
    // Start over: a rebuilt header replaces the previous text instead of following it.
    code.len = 0;
    code.broken = false;
    const char* opening = conf_opening(mode);
    put_text(code, opening, std::strlen(opening));
    for (const conf_row_t& row : conf_rows) {
        if (gen_common_mac(row.first, row.last, code, mode) != 0) return 1;
        put_text(code, row.literal, std::strlen(row.literal));
    }
    return 0;
}

int gen_conf(const char* file_name, int mode) {
    const conf_code_t& code = code_of(mode);
    // A text that could not be built whole was reported when its block failed to grow.
    if (code.text == nullptr || code.broken) return 1;
    // The same safe replacement, and the same messages, as every other generated file.
    const auto failure = lvforge::write_generated_file(
        file_name, [&](lvforge::TextSink& out) { out.put(std::string_view(code.text, code.len)); });
    if (!failure) return 0;
    std::fputs(lvforge::output_failure_message(*failure).c_str(), stdout);
    return 1;
}

void free_conf() {
    release_code(sim_conf_code);
    release_code(board_conf_code);
}

}  // namespace setwright
