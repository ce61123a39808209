// pixmint's command line and the names derived from it: the input is the
// arguments, separated by NUL bytes. Nothing is read or written.
#include <cstddef>
#include <cstdint>

#include "fuzz/harness.h"
#include "pixmint/cli/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::Argv argv("pixmint", data, size);
    const auto options = pixmint::parse_command_line(argv.argc(), argv.argv());
    if (options.ok()) lvforge::fuzz::expect_consistent(options.value().names);
    return 0;
}
