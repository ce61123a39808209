// setwright's command line: the input is the arguments, separated by NUL
// bytes. The scratch directory holds no conf.json, so the run ends right
// after the options with the open failure.
#include <cstddef>
#include <cstdint>

#include "scratch.h"
#include "setwright.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::Argv argv("setwright", data, size);
    setwright::setwright_main(argv.argc(), argv.argv());
    lvforge::fuzz::expect_only({});
    return 0;
}
