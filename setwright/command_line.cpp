#include "setwright/command_line.h"

#include <unistd.h>

#include <string_view>

namespace setwright {

Options parse_command_line(int argc, char** argv) {
    Options options;
    opterr = 0;
    optind = 0;  // restart the scan: the caller may have run getopt before
    while (::getopt(argc, argv, kOptionString) == 'v')
        options.lvgl_7_0_1 = std::string_view(optarg) == "7.0.1";
    return options;
}

}  // namespace setwright
