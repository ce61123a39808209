#include "run.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "c_source.h"
#include "command_line.h"
#include "configuration.h"
#include "header_template.h"
#include "merge.h"
#include "messages.h"

namespace setwright {

namespace {

void print(const std::string& message) {
    std::fputs(message.c_str(), stdout);
}

// Renders the header of `mode` and writes it to its file. False after its message when either
// fails; the file is then left as it was.
bool write_header(const Configuration& config, Mode mode) {
    const std::optional<std::string> text = render_header(config, mode);
    if (!text) {
        print(render_message(mode));
        return false;
    }
    return lvforge::write_generated_file(header_file_name(mode),
                                         [&](lvforge::TextSink& out) { out.put(*text); }) == 0;
}

}  // namespace

int run(int argc, char** argv) {
    const Options options = parse_command_line(argc, argv);
    Configuration config(options.lvgl_7_0_1);
    int status = 0;
    if (const std::optional<MergeError> err = merge_conf_json("conf.json", config)) {
        print(merge_message(*err));
        status = 1;
    } else {
        // Simulator first; a header that can't be written doesn't keep the other from being written.
        for (const Mode mode : {Mode::simulator, Mode::board}) {
            if (!write_header(config, mode)) status = 1;
        }
    }
    std::fflush(stdout);
    return status;
}

}  // namespace setwright
