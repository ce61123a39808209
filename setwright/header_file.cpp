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
    const auto text = render_header(config, mode);
    if (!text.ok()) return HeaderFailure{mode, text.error()};
    auto written = lvforge::write_generated_file(header_file_name(mode),
                                                 [&](lvforge::TextSink& out) { out.append(text.value()); });
    if (!written.ok()) return HeaderFailure{mode, written.error()};
    return {};
}

}  // namespace setwright
