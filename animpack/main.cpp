// animpack: any file to a C source file holding its bytes as a uint8_t array.
#include <cstdio>

#include "convert.h"
#include "safe_output.h"

int main(int argc, char** argv) {
    // A file-size limit must surface as a failed write, reported and cleaned up.
    lvforge::ignore_file_size_signal();
    const int status = animpack::run_animpack(argc, argv);
    std::fflush(stdout);
    return status;
}
