// The table of every configuration entry setwright knows: one record per
// macro (or typedef) with its defaults for the simulator and the board
// header, and the operation that renders it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace setwright {

struct mac_obj_t;

// Validation hook of an entry: 0 when `value` is acceptable for `obj`.
using mac_chk_fn = int (*)(const mac_obj_t& obj, const char* value);
// Emitter of an entry: appends the entry's line for `mode` (0 simulator, 1 board) to `line`;
// 0 on success.
using mac_gen_fn = int (*)(const mac_obj_t& obj, std::string& line, int mode);

// How an entry is rendered (see the emitters in basic.h).
enum mac_kind : std::uint8_t {
    MAC_KIND_NUM = 0,      // #define NAME VALUE, "true"/"false" as 1/0
    MAC_KIND_SYM = 1,      // like MAC_KIND_NUM; marks symbolic values
    MAC_KIND_TYPEDEF = 2,  // typedef NAME VALUE;
    MAC_KIND_EMPTY = 3,    // #define NAME, the value ignored
    MAC_KIND_STR = 4,      // #define NAME "VALUE" unless VALUE brings its own <> or quotes
    MAC_KIND_NONE = 5,     // nothing at all
};

// Header modes: which enable flag and value of an entry a header uses.
inline constexpr int MODE_SIMULATOR = 0;
inline constexpr int MODE_BOARD = 1;

// Number of entries; every index reaching the table is below it.
inline constexpr int MAC_COUNT = 212;

// Index of the entry whose name depends on the LVGL version given with -v.
inline constexpr int GPU_OSA_INDEX = 49;

struct mac_obj_t {
    mac_chk_fn chk;
    mac_gen_fn gen;
    std::uint8_t kind;
    std::uint8_t owned;     // 1 once sim_val/board_val are heap copies this entry must free
    std::int32_t sim_en;    // rendered into simulator.h
    std::int32_t board_en;  // rendered into board.h
    const char* name;       // macro name, or for MAC_KIND_TYPEDEF the existing type
    const char* sim_val;    // never null
    const char* board_val;  // never null
    const char* note;
    std::int32_t id;  // the entry's own index
};

// The live table, starting from the built-in defaults; changed only by the merge of conf.json.
extern std::array<mac_obj_t, MAC_COUNT> full_conf;

// Accepts every value (returns 0); held by every entry, called by nothing in a run.
int mac_chk_num(const mac_obj_t& obj, const char* value);

// Stores copies of `src`'s sim_val and board_val (null: empty text, entry switched off for that
// header; "~~": kept but switched off) into entry `index`. Returns 0, or 1 when a copy can't
// be allocated, leaving the entry as it was.
int update_mac_value(const mac_obj_t& src, int index);

// Gives entry 49 the spelling of the LVGL version `version` (exactly "7.0.1" or any other).
void select_lvgl_version(const char* version);

// Frees every copy the merge installed and puts the whole table back to its built-in state.
void reset_full_conf();

}  // namespace setwright
