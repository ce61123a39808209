// The table of every configuration entry setwright knows: one macro (or
// typedef) each, with how it is rendered and its defaults for the simulator
// and the board header. conf.json and the header template both address
// entries by their index in this table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace setwright {

// The two headers a run writes; an entry has a value and a switch for each.
enum class Mode { simulator, board };

// How an entry turns into its line (see emit.h for the exact text of each).
enum class Kind : std::uint8_t {
    number,      // #define NAME VALUE, the words "true"/"false" as 1/0
    symbol,      // the same line; the table marks symbolic values with it
    type_alias,  // typedef NAME VALUE; (NAME is the existing type)
    bare,        // #define NAME, whatever the value
    include,     // #define NAME "VALUE", unless VALUE brings its own <...> or "..."
    kibibytes,   // #define NAME (VALUEU * 1024U): a memory size given in KiB
    none,        // nothing at all
};

struct Entry {
    Kind kind;
    std::string_view name;       // the macro, or for Kind::type_alias the type it renames
    std::string_view simulator;  // default value in simulator.h
    std::string_view board;      // default value in board.h
    bool on;                     // rendered by default (into both headers)
};

// Number of entries; every index that reaches the table is below it.
inline constexpr int kEntryCount = 212;

// The built-in table; entry i sits at index i.
extern const std::array<Entry, kEntryCount> kEntries;

// Index of the entry whose name depends on the LVGL version given with -v.
inline constexpr int kGpuEntry = 49;

// Entry 49's name for LVGL 7.0.1, which named the option after the OS abstraction; every other
// version uses the name in the table.
inline constexpr std::string_view kGpuName701 = "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA";

}  // namespace setwright
