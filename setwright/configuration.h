// The merged configuration of one run: the table's defaults, the LVGL
// version chosen with -v, and the values conf.json gives entries. Both
// headers are rendered from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "setwright/entries.h"

namespace setwright {

// What conf.json sets for one entry: its value in each header, absent where the entry is left
// out of that header (the member was missing, was not a JSON string, or was "~~").
struct Override {
    std::optional<std::string> simulator;
    std::optional<std::string> board;
};

class Configuration {
   public:
    // The defaults of the table; `lvgl_7_0_1` gives entry 49 its LVGL 7.0.1 name.
    explicit Configuration(bool lvgl_7_0_1 = false) : lvgl_7_0_1_(lvgl_7_0_1) {}

    // Name of entry `index` (0 <= index < kEntryCount) as the chosen LVGL version spells it.
    std::string_view name(int index) const;
    // Value entry `index` has in the header of `mode`; absent when the entry is left out of it.
    std::optional<std::string_view> value(int index, Mode mode) const;
    // Replaces everything entry `index` had (defaults or an earlier override) with `values`.
    void set(int index, Override values);

   private:
    bool lvgl_7_0_1_;
    std::array<std::optional<Override>, kEntryCount> overrides_{};
};

}  // namespace setwright
