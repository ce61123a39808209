#include "convert.h"

#include <cstdint>
#include <cstdio>

#include "hex_writer.h"
#include "options.h"
#include "whole_file.h"

namespace animpack {

namespace {

// Prints the message for a failed read; the wording is the tool's established one.
void report_read_failure(lvforge::ReadStatus status, const char* path) {
    switch (status) {
        case lvforge::ReadStatus::ok:
            break;
        case lvforge::ReadStatus::open_failed:
            std::printf("open %s failed\n", path);
            break;
        case lvforge::ReadStatus::length_failed:
            std::puts("Fail to get the file length");
            break;
        case lvforge::ReadStatus::alloc_failed:
            std::puts("allocate memory for json_data failed");
            break;
        case lvforge::ReadStatus::read_failed:
            std::puts("Read json data failed");
            break;
    }
}

}  // namespace

int run_animpack(int argc, char** argv) {
    CommandLine cl;
    switch (parse_command_line(argc, argv, cl)) {
        case Request::convert:
            break;
        case Request::help:
            print_usage();
            return 0;
        case Request::usage:
            print_usage();
            return 1;
        case Request::bad_name:
            std::puts("Error: Unsupported filename!");
            return 1;
    }

    lvforge::WholeFile input;
    const lvforge::ReadStatus status = lvforge::read_whole_file(cl.input_path, input);
    if (status != lvforge::ReadStatus::ok) {
        report_read_failure(status, cl.input_path);
        return 1;
    }
    cl.job.array_size = static_cast<std::uint64_t>(input.size) + 1;
    return create_c_src(cl.job, reinterpret_cast<const std::uint8_t*>(input.data.get()));
}

}  // namespace animpack
