// animpack's command line and the names derived from it: the input is the
// arguments, separated by NUL bytes. Nothing is read or written.
#include <cstddef>
#include <cstdint>

#include "options.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::Argv argv("animpack", data, size);
    animpack::CommandLine command_line;
    animpack::parse_command_line(argv.argc(), argv.argv(), command_line);
    return 0;
}
