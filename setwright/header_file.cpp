#include "setwright/header_file.h"

#include <string>
#include <utility>

#include "common/generated_file.h"
#include "setwright/header_template.h"

namespace setwright {

const char* header_file_name(Mode mode) {
    return mode == Mode::board ? "board.h" : "simulator.h";
}

lvforge::Result<void, HeaderFailure> write_header(const Configuration& config, Mode mode) {
    const std::optional<std::string> text = render_header(config, mode);
    if (!text) return HeaderFailure{mode, std::nullopt};
    std::optional<lvforge::OutputFailure> failure = lvforge::write_generated_file(
        header_file_name(mode), [&](lvforge::TextSink& out) { out.append(*text); });
    if (failure) return HeaderFailure{mode, std::move(failure)};
    return {};
}

}  // namespace setwright
