// animpack: any file to a C source file holding its bytes as a uint8_t array.
#include "animpack/run.h"

int main(int argc, char** argv) {
    return animpack::run(argc, argv);
}
