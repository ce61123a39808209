#include "setwright/run.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "common/failure_text.h"
#include "common/memory_reserve.h"
#include "setwright/command_line.h"
#include "setwright/configuration.h"
#include "setwright/header_file.h"
#include "setwright/merge.h"
#include "setwright/messages.h"

namespace setwright {

namespace {

void print(std::string_view message) {
    std::fwrite(message.data(), 1, message.size(), stdout);
}

// The run itself; run() adds the one answer to running out of memory.
int generate(int argc, char** argv) {
    const Options options = parse_command_line(argc, argv);
    Configuration config(options.lvgl_7_0_1);
    int status = 0;
    if (const auto merged = merge_conf_json("conf.json", config); !merged.ok()) {
        print(merge_message(merged.error()));
        status = 1;
    } else {
        // Simulator first; a header that can't be written doesn't keep the other from being written.
        for (const Mode mode : {Mode::simulator, Mode::board}) {
            if (const auto written = write_header(config, mode); !written.ok()) {
                print(header_message(written.error()));
                status = 1;
            }
        }
    }
    std::fflush(stdout);
    return status;
}

}  // namespace

int run(int argc, char** argv) {
    // Every allocation failure without a message of its own ends here, with nothing left written.
    return lvforge::exit_status_unless_out_of_memory([&] { return generate(argc, argv); }, print);
}

}  // namespace setwright
