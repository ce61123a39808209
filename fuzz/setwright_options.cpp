// setwright's command line: the input is the arguments, separated by NUL
// bytes. Nothing is read or written.
#include <cstddef>
#include <cstdint>

#include "fuzz/harness.h"
#include "setwright/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::Argv argv("setwright", data, size);
    setwright::parse_command_line(argv.argc(), argv.argv());
    return 0;
}
