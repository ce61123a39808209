#include "options.h"

#include <unistd.h>

#include <cstdio>

namespace animpack {

Request parse_command_line(int argc, char** argv, CommandLine& cl) {
    const char* name_arg = nullptr;  // the last -n with a usable last component
    char last_component[lvforge::kNameBufSize];

    // 0 makes GNU getopt start over, also when an earlier call in this process used it; it still
    // permutes, so words that are not options are skipped and the options after them read.
    optind = 0;
    opterr = 0;
    int opt;
    while ((opt = ::getopt(argc, argv, kOptionString)) != -1) {
        switch (opt) {
            case 'p':
                if (optarg[0] == '\0') return Request::usage;
                cl.input_path = optarg;
                break;
            case 'n':
                if (optarg[0] == '\0') break;  // an empty name leaves the name to -p
                if (lvforge::remove_dir(optarg, last_component) != 0) return Request::bad_name;
                name_arg = optarg;
                break;
            case 'h':
                return Request::help;
            default:
                return Request::usage;
        }
    }
    // Without an input there is nothing to convert and nothing to name.
    if (cl.input_path == nullptr) return Request::usage;

    lvforge::derive_names(cl.job, cl.input_path, name_arg);
    return Request::convert;
}

void print_usage() {
    std::puts("animpack: generate hex array source file from json file for lvgl.\n");
    std::puts(
        "Usage: animpack.exe [options]\nOptions:\n\t-p <json file>    Json file name.\n\t-n <name>         "
        "Specify the name of the generated C source file\n\t-h                Display this help and exit");
}

}  // namespace animpack
