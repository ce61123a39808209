// pixmint from the bytes of an image file to what it writes, through the
// tool's own top level (acquisition with the raster guard, the system's
// stb_image, the writers). An input is an image followed by kChoiceBytes
// bytes that pick the options (pixmint_choices.h), so that every format and
// option is reached while the image stays intact (an SVG with bytes after its
// end is refused). Each run must keep its promises:
// - status 0: every output named exists, replaced if it was there before,
//   and nothing else changed;
// - status 1: nothing was added, changed or removed;
// - no temporary file remains either way;
// - a .bin holds exactly the bytes of the C array the same options write.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/c_array.h"
#include "fuzz/harness.h"
#include "fuzz/pixmint_choices.h"
#include "pixmint/run.h"

namespace {

using lvforge::fuzz::abort_because;
using lvforge::fuzz::DirSnapshot;
using lvforge::fuzz::Family;
using lvforge::fuzz::PixmintChoices;
using lvforge::fuzz::PreviewChoice;

// What every earlier output holds; nothing pixmint writes is this text.
constexpr std::string_view kEarlier = "an earlier output\n";

bool looks_like_svg(std::span<const std::uint8_t> image) {
    for (const std::uint8_t c : image) {
        if (c == '<') return true;
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return false;
    }
    return false;
}

std::string preview_path(PreviewChoice choice, const std::string& input, bool binary) {
    switch (choice) {
        case PreviewChoice::none:
            break;
        case PreviewChoice::beside:
            return "prev.png";
        case PreviewChoice::in_subdir:
            return "sub/prev.png";
        case PreviewChoice::the_input:
            return input;
        case PreviewChoice::the_output:
            return binary ? "./out.bin" : "./out.c";
        case PreviewChoice::unwritable:
            return input + "/prev.png";
    }
    return {};
}

void write_text(const std::string& path, std::string_view text) {
    lvforge::fuzz::write_input(path.c_str(), reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

int run_pixmint(const std::string& input, const std::string& name, const std::vector<std::string>& options) {
    std::vector<std::string> words{"pixmint", "-p", input, "-n", name};
    words.insert(words.end(), options.begin(), options.end());
    lvforge::fuzz::Argv argv(std::move(words));
    return pixmint::run(argv.argc(), argv.argv());
}

// After a successful run: each of `outputs` is a file written by this run, and every other entry
// is as it was, but for the directories leading to the outputs.
void expect_outputs(const DirSnapshot& before, const DirSnapshot& after,
                    const std::vector<std::string>& outputs) {
    DirSnapshot expected = before;
    for (const std::string& out : outputs) {
        const auto found = after.find(out);
        if (found == after.end() || found->second.directory) {
            lvforge::fuzz::print_differences(before, after);
            abort_because("status 0 without an output it names");
        }
        if (found->second.bytes == kEarlier) abort_because("status 0 with an earlier output left in place");
        expected[out] = found->second;
        for (auto dir = std::filesystem::path(out).parent_path(); !dir.empty(); dir = dir.parent_path()) {
            expected[dir.generic_string()] = lvforge::fuzz::Entry{true, 0, {}};
        }
    }
    if (after != expected) {
        lvforge::fuzz::print_differences(expected, after);
        abort_because("status 0, and other files than the outputs added or changed");
    }
}

// The LVGL configuration whose section of a true-colour array a .bin of `choices` holds.
std::string_view section_of(const PixmintChoices& c) {
    if (c.family != Family::true_color) return "";
    switch (c.depth) {
        case 8:
            return "LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8";
        case 16:
            return c.swap ? "LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0"
                          : "LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0";
        case 24:
            return "LV_COLOR_DEPTH == 32";
        default:
            return "no single depth";
    }
}

// After a successful --bin run: the same options without --bin (nor --swap, which needs it, nor
// the preview) write a C array, and the .bin holds its bytes for the chosen depth and byte order
// after a header of the same size.
void expect_bin_mirrors_array(const std::string& input, const PixmintChoices& choices) {
    PixmintChoices c_choices = choices;
    c_choices.binary = false;
    c_choices.swap = false;
    c_choices.preview = PreviewChoice::none;
    if (run_pixmint(input, "mirror", lvforge::fuzz::option_words(c_choices, "")) != 0) {
        abort_because("the .bin was written, the C file of the same options refused");
    }
    const auto source = lvforge::fuzz::parse_image_source(lvforge::fuzz::read_file("mirror.c"), "mirror");
    if (!source) abort_because("can't read the C array back");
    const auto array = lvforge::fuzz::section_bytes(*source, section_of(choices));
    if (!array) abort_because("no single section of the C array for the .bin's depth");
    const std::string bin = lvforge::fuzz::read_file("out.bin");
    if (bin.size() < 4) abort_because("a .bin shorter than its header");
    std::uint32_t header = 0;
    for (int i = 3; i >= 0; --i)
        header = header << 8 | static_cast<std::uint8_t>(bin[static_cast<std::size_t>(i)]);
    if (static_cast<long>(header >> 10 & 2047) != source->width ||
        static_cast<long>(header >> 21 & 2047) != source->height) {
        abort_because("the .bin's header and the C descriptor differ in size");
    }
    const std::vector<std::uint8_t> data(bin.begin() + 4, bin.end());
    if (data != *array) {
        abort_because("the .bin's data and the C array differ");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    const std::span<const std::uint8_t> all(data, size);
    const bool has_choices = size >= lvforge::fuzz::kChoiceBytes;
    const auto image = has_choices ? all.first(size - lvforge::fuzz::kChoiceBytes) : all;
    PixmintChoices choices;
    if (has_choices) choices = lvforge::fuzz::decode_choices(all.last<lvforge::fuzz::kChoiceBytes>());

    const std::string input = looks_like_svg(image) ? "in.svg" : "in.png";
    lvforge::fuzz::write_input(input.c_str(), image.data(), image.size());
    const std::string preview = preview_path(choices.preview, input, choices.binary);
    if (choices.earlier_outputs) {
        write_text("out.c", kEarlier);
        write_text("out.bin", kEarlier);
        if (choices.preview == PreviewChoice::in_subdir) std::filesystem::create_directory("sub");
        if (choices.preview == PreviewChoice::beside || choices.preview == PreviewChoice::in_subdir) {
            write_text(preview, kEarlier);
        }
    }

    const DirSnapshot before = lvforge::fuzz::snapshot_dir();
    const int status = run_pixmint(input, "out", lvforge::fuzz::option_words(choices, preview));
    const DirSnapshot after = lvforge::fuzz::snapshot_dir();
    if (status == 0) {
        if (choices.preview == PreviewChoice::the_input)
            abort_because("status 0 with the image as its preview");
        if (choices.preview == PreviewChoice::the_output)
            abort_because("status 0 with the output as its preview");
        std::vector<std::string> outputs{choices.binary ? "out.bin" : "out.c"};
        if (!preview.empty()) outputs.push_back(preview);
        expect_outputs(before, after, outputs);
        if (choices.binary) expect_bin_mirrors_array(input, choices);
    } else if (status == 1) {
        if (after != before) {
            lvforge::fuzz::print_differences(before, after);
            abort_because("status 1, and files were added, changed or removed");
        }
    } else {
        abort_because("an exit status other than 0 and 1");
    }
    lvforge::fuzz::clear_dir();
    return 0;
}
