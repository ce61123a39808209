#include <cstdio>

#include "common/safe_output.h"
#include "pixmint/run.h"

int main(int argc, char** argv) {
    lvforge::ignore_file_size_signal();
    const int status = pixmint::run(argc, argv);
    std::fflush(stdout);
    return status;
}
