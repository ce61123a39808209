#include "animpack/run.h"

#include <cstdio>
#include <string_view>
#include <variant>

#include "animpack/command_line.h"
#include "animpack/hex_writer.h"
#include "animpack/input_blocks.h"
#include "animpack/messages.h"
#include "common/banner_year.h"
#include "common/failure_text.h"
#include "common/memory_reserve.h"
#include "common/paths.h"
#include "common/safe_output.h"

namespace animpack {

namespace {

void print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// The run itself; run() adds the one answer to running out of memory.
int convert(int argc, char** argv) {
    // A file-size limit must surface as a failed write, reported and cleaned up.
    lvforge::ignore_file_size_signal();

    const auto command_line = parse_command_line(argc, argv);
    if (!command_line.ok()) {
        print(command_line_failure_message(command_line.error()));
        return 1;
    }
    const Options& options = command_line.value();
    if (options.help) {
        print(usage_text());
        return 0;
    }

    ArrayRequest job;
    const auto year = lvforge::banner_year();
    if (!year.ok()) {
        print(lvforge::source_date_failure_message(year.error()));
        return 1;
    }
    job.banner_year = year.value();
    job.names = lvforge::derive_names(options.input_path, options.name);
    if (lvforge::is_same_file(options.input_path, job.names.out_path)) {
        print(same_file_message(job.names.out_path));
        return 1;
    }

    auto input = InputBlocks::open(options.input_path.c_str());
    if (!input.ok()) {
        print(read_failure_message(input.error(), options.input_path));
        return 1;
    }
    const auto written = write_c_file(job, [&] { return input.value().next(); });
    if (!written.ok()) {
        if (const auto* read = std::get_if<lvforge::ReadStatus>(&written.error()))
            print(read_failure_message(*read, options.input_path));
        else
            print(lvforge::output_failure_message(std::get<lvforge::OutputFailure>(written.error())));
        return 1;
    }
    return 0;
}

}  // namespace

int run(int argc, char** argv) {
    // Every allocation failure without a message of its own ends here, with nothing left written.
    return lvforge::exit_status_unless_out_of_memory([&] { return convert(argc, argv); }, print);
}

}  // namespace animpack
