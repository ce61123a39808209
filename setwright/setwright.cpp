#include "setwright.h"

#include <unistd.h>

#include <cstdio>

#include "conf.h"
#include "conf_json.h"
#include "mac_obj.h"

namespace setwright {

namespace {

// Reads the options: each well-formed -v settles entry 49's spelling, the last one counting.
// The first option that is anything else ends option processing silently.
void apply_options(int argc, char** argv) {
    opterr = 0;
    optind = 0;  // restart the scan: the library's caller may have run getopt before
    int opt = 0;
    while ((opt = ::getopt(argc, argv, kOptionString)) == 'v') select_lvgl_version(optarg);
}

// The headers, simulator first: each is built from the merged table and written before the next
// is built, and a header that can't be written doesn't keep the other from being written.
int generate_headers() {
    if (init_conf() != 0) return 1;
    int status = 0;
    if (update_conf(MODE_SIMULATOR) != 0) {
        status = 1;
    } else {
        if (gen_conf("simulator.h", MODE_SIMULATOR) != 0) status = 1;
        if (update_conf(MODE_BOARD) != 0 || gen_conf("board.h", MODE_BOARD) != 0) status = 1;
    }
    free_conf();
    return status;
}

}  // namespace

int setwright_main(int argc, char** argv) {
    apply_options(argc, argv);
    int status = merge_conf_json("conf.json");
    if (status == 0) status = generate_headers();
    reset_full_conf();
    std::fflush(stdout);
    return status;
}

}  // namespace setwright
