#include "setwright/configuration.h"

#include <cstddef>
#include <utility>

namespace setwright {

std::string_view Configuration::name(int index) const {
    if (index == kGpuEntry && lvgl_7_0_1_) return kGpuName701;
    return kEntries[static_cast<std::size_t>(index)].name;
}

std::optional<std::string_view> Configuration::value(int index, Mode mode) const {
    const auto i = static_cast<std::size_t>(index);
    if (const std::optional<Override>& o = overrides_[i]) {
        const std::optional<std::string>& v = mode == Mode::board ? o->board : o->simulator;
        if (!v) return std::nullopt;
        return std::string_view(*v);
    }
    const Entry& e = kEntries[i];
    if (!e.on) return std::nullopt;
    return mode == Mode::board ? e.board : e.simulator;
}

void Configuration::set(int index, Override values) {
    overrides_[static_cast<std::size_t>(index)] = std::move(values);
}

}  // namespace setwright
