// setwright: writes the LVGL configuration headers simulator.h and board.h
// from the overrides in ./conf.json.
#include "common/safe_output.h"
#include "setwright/run.h"

int main(int argc, char** argv) {
    // An exceeded file-size limit must be a failed write we report, not a fatal signal.
    lvforge::ignore_file_size_signal();
    return setwright::run(argc, argv);
}
