#include "run.h"

#include <cstdio>
#include <string>

#include "acquire.h"
#include "command_line.h"
#include "messages.h"
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

    Acquired acquired = acquire_image(options);
    bool failed = false;
    if (acquired.failure) {
        print(message(acquired.failure->kind));
        if (!acquired.failure->file_still_written) return 1;
        failed = true;
    }
    if (const auto limit = check_size_limit(acquired.image)) {
        print(message(limit->kind));
        failed = true;
    }
    const int written = create_c_src(options, acquired.image, [&] { print(depth_line(options.depth)); });
    return (failed || written != 0) ? 1 : 0;
}

}  // namespace pixmint
