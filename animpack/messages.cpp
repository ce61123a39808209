#include "animpack/messages.h"

#include "common/failure_text.h"

namespace animpack {

std::string usage_text() {
    // Two texts, each followed by a line feed of its own: the first already ends in one, so
    // a blank line follows it.
    return "animpack: generate hex array source file from json file for lvgl.\n\n"
           "Usage: animpack.exe [options]\nOptions:\n"
           "\t-p <json file>    Json file name.\n"
           "\t-n <name>         Specify the name of the generated C source file\n"
           "\t-h                Display this help and exit\n";
}

std::string command_line_failure_message(CommandLineFailure failure) {
    switch (failure) {
        case CommandLineFailure::usage:
            break;
        case CommandLineFailure::bad_name:
            return "Error: Unsupported filename!\n";
    }
    return usage_text();
}

std::string same_file_message(std::string_view out_path) {
    return std::string("Error: the output file ").append(out_path).append(" is the input file.\n");
}

std::string read_failure_message(lvforge::ReadStatus status, std::string_view path) {
    return lvforge::read_failure_message(status, path, "json_data");
}

}  // namespace animpack
