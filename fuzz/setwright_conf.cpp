// setwright from the bytes of conf.json to simulator.h and board.h, through
// the tool's own top level. An odd-sized input runs with -v 7.0.1, so both
// spellings of the version-dependent entry are reached without giving a byte
// of the document over to option choice.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "scratch.h"
#include "setwright.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::write_input("conf.json", data, size);
    std::vector<std::string> args{"setwright"};
    if (size % 2 == 1) args.insert(args.end(), {"-v", "7.0.1"});
    lvforge::fuzz::Argv argv(args);
    const int status = setwright::setwright_main(argv.argc(), argv.argv());
    // Both headers or, after a failure found in conf.json, neither.
    if (status == 0) lvforge::fuzz::expect_only({"conf.json", "simulator.h", "board.h"});
    std::remove("simulator.h");
    std::remove("board.h");
    std::remove("conf.json");
    lvforge::fuzz::expect_only({});
    return 0;
}
