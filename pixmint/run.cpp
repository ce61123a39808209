#include "run.h"

#include <cstdio>
#include <string>

#include "acquire.h"
#include "banner_year.h"
#include "command_line.h"
#include "failure_text.h"
#include "messages.h"
#include "path_ops.h"
#include "writer.h"

namespace pixmint {

namespace {

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int run(int argc, char** argv) {
    auto parsed = parse_command_line(argc, argv);
    if (!parsed.ok()) {
        print(message(parsed.error().kind));
        return 1;
    }
    const Options& options = parsed.value();
    // Settled before any work, so that a bad value leaves every file as it was.
    const auto year = lvforge::banner_year();
    if (!year.ok()) {
        print(lvforge::source_date_failure_message(year.error()));
        return 1;
    }
    // The output would replace the very image it is made from.
    if (lvforge::is_same_file(options.image_path, options.names.out_path)) {
        print(same_file_message(options.names.out_path));
        return 1;
    }

    Acquired acquired = acquire_image(options);
    bool failed = false;
    if (acquired.failure) {
        print(message(acquired.failure->kind));
        if (!acquired.failure->file_still_written) return 1;
        failed = true;
    }
    const auto written = create_c_src(options, acquired.image, year.value(), [&] { print(depth_line(options.depth)); });
    if (written) print(lvforge::output_failure_message(*written));
    return (failed || written) ? 1 : 0;
}

}  // namespace pixmint
