#include "animpack/command_line.h"

#include <unistd.h>

#include "common/paths.h"

namespace animpack {

lvforge::Result<Options, CommandLineFailure> parse_command_line(int argc, char** argv) {
    Options options;
    bool have_input = false;
    // 0 makes GNU getopt start over, also when an earlier call in this process used it; it still
    // permutes, so words that are not options are skipped and the options after them read.
    optind = 0;
    opterr = 0;
    int opt;
    while ((opt = ::getopt(argc, argv, kOptionString)) != -1) {
        switch (opt) {
            case 'p':
                if (optarg[0] == '\0') return CommandLineFailure::usage;
                options.input_path = optarg;
                have_input = true;
                break;
            case 'n':
                if (optarg[0] == '\0') break;  // an empty name leaves the name to -p
                if (!lvforge::last_path_component(optarg)) return CommandLineFailure::bad_name;
                options.name = optarg;
                break;
            case 'h':
                options.help = true;
                return options;
            default:
                return CommandLineFailure::usage;
        }
    }
    // Without an input there is nothing to convert and nothing to name.
    if (!have_input) return CommandLineFailure::usage;
    return options;
}

}  // namespace animpack
