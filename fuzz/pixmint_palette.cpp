// pixmint --keep-palette from the bytes of a PNG file to the generated C source, through the
// tool's own top level: the raster guard, then the palette PNG reader (libspng) and the choice of
// an indexed format for the file's own palette. The input's last byte, past the PNG's end where
// readers stop, picks the format and whether a preview is written too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "pixmint/run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::write_input("in.png", data, size);
    static const char* const kFormats[] = {"indexed-1", "indexed-2", "indexed-4", "indexed-8",
                                           "indexed-auto"};
    const unsigned pick = size == 0 ? 0 : data[size - 1];
    std::vector<std::string> args{"pixmint",        "-p", "in.png",          "-n", "out",
                                  "--keep-palette", "-f", kFormats[pick % 5]};
    const bool preview = (pick & 0x80) != 0;
    if (preview) args.insert(args.end(), {"--preview", "shown.png"});
    lvforge::fuzz::Argv argv(args);
    const int status = pixmint::run(argv.argc(), argv.argv());
    if (status == 0) {
        if (preview) {
            lvforge::fuzz::expect_only({"in.png", "out.c", "shown.png"});
        } else {
            lvforge::fuzz::expect_only({"in.png", "out.c"});
        }
    } else {
        // A refused file leaves nothing behind.
        lvforge::fuzz::expect_only({"in.png"});
    }
    std::remove("out.c");
    std::remove("shown.png");
    std::remove("in.png");
    lvforge::fuzz::expect_only({});
    return 0;
}
