// pixmint from the bytes of an image file to the generated C source, through
// the tool's own top level (acquisition with the raster guard, the system's
// stb_image, the writer). The whole input is the image; its last byte also
// picks the options, as decoders ignore what follows an image's end.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "pixmint/run.h"

namespace {

bool looks_like_svg(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '<') return true;
        if (data[i] != ' ' && data[i] != '\t' && data[i] != '\n' && data[i] != '\r') return false;
    }
    return false;
}

// -f, -d, -v, -w and -h as the input's last two bytes choose them; the options target covers
// the refusals of bad combinations. Sizes run from -1 to 48,
// so that the refusals of sizes below one pixel are reached too.
void add_options(const std::uint8_t* data, std::size_t size, std::vector<std::string>& args) {
    if (size == 0) return;
    const unsigned pick = data[size - 1];
    const int length = size >= 2 ? data[size - 2] % 50 - 1 : 7;
    static const char* const kFormats[] = {"true-color", "true-color-alpha", "true-color-chroma-keyed",
                                           nullptr};
    static const char* const kDepths[] = {nullptr, "8", "16", "24"};
    if (const char* f = kFormats[pick & 3]) args.insert(args.end(), {"-f", f});
    if (const char* d = kDepths[(pick >> 2) & 3]) args.insert(args.end(), {"-d", d});
    // -v only where the target supports the depth and format, or nothing would be decoded.
    const bool zintra_ok = (pick & 0x0c) == 0 || ((pick & 0x0c) == 0x08 && (pick & 3) != 1) ||
                           ((pick & 0x0c) == 0x0c && (pick & 3) != 0 && (pick & 3) != 3);
    if ((pick & 0x10) != 0 && zintra_ok) args.emplace_back("-v");
    if ((pick & 0x20) != 0) args.insert(args.end(), {"-w", std::to_string(length)});
    if ((pick & 0x40) != 0)
        args.insert(args.end(), {"-h", std::to_string(length + static_cast<int>(pick >> 7))});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    const char* input = looks_like_svg(data, size) ? "in.svg" : "in.png";
    lvforge::fuzz::write_input(input, data, size);
    std::vector<std::string> args{"pixmint", "-p", input, "-n", "out"};
    add_options(data, size, args);
    lvforge::fuzz::Argv argv(args);
    const int status = pixmint::run(argv.argc(), argv.argv());
    if (status == 0) lvforge::fuzz::expect_only({input, "out.c"});
    std::remove("out.c");
    std::remove(input);
    lvforge::fuzz::expect_only({});
    return 0;
}
