// parse_command_line in process: which combinations it refuses, and with which failure, for the
// rules that only look at the options. The golden cases show the texts; this table pins the
// rules themselves, including the ones whose refusal comes first when several apply.
#include "pixmint/cli/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace pixmint {
namespace {

// The outcome of parsing `words` (after the program name): the failure, or none.
std::optional<FailureKind> refusal_of(std::vector<std::string> words) {
    words.insert(words.begin(), "pixmint");
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const auto parsed = parse_command_line(static_cast<int>(words.size()), argv.data());
    if (parsed.ok()) return std::nullopt;
    return parsed.error().kind;
}

TEST(CommandLineRules, RefusalsAndTheirOrder) {
    struct Case {
        std::vector<std::string> args;
        std::optional<FailureKind> refused;
    };
    using K = FailureKind;
    const Case cases[] = {
        {{"-p", "a.png"}, std::nullopt},
        // Raw formats keep the file as it is.
        {{"-p", "a.png", "-f", "raw", "-w", "4"}, K::raw_resize},
        {{"-p", "a.png", "-f", "raw-alpha", "-h", "4"}, K::raw_resize},
        {{"-p", "a.png", "-f", "raw", "--bin"}, K::raw_binary},
        // Resizing a raw file is named before its binary form.
        {{"-p", "a.png", "-f", "raw", "--bin", "-w", "4"}, K::raw_resize},
        // The zintra GPU: true colour only, and not every depth with every alpha.
        {{"-p", "a.png", "-v", "-f", "indexed-4"}, K::zintra_combination},
        {{"-p", "a.png", "-v", "-d", "8"}, K::zintra_combination},
        {{"-p", "a.png", "-v", "-d", "16", "-f", "true-color-alpha"}, K::zintra_combination},
        {{"-p", "a.png", "-v", "-d", "24"}, K::zintra_combination},
        {{"-p", "a.png", "-v", "-d", "24", "-f", "true-color-alpha"}, std::nullopt},
        {{"-p", "a.png", "-v", "-d", "16"}, std::nullopt},
        // --bin writes one depth of a true-colour format; --swap only that depth's 16-bit form.
        {{"-p", "a.png", "--bin"}, K::binary_needs_depth},
        {{"-p", "a.png", "--bin", "-d", "16"}, std::nullopt},
        {{"-p", "a.png", "--bin", "-f", "alpha-4"}, std::nullopt},
        {{"-p", "a.png", "--swap", "-d", "16"}, K::swap_needs_16bit_binary},
        {{"-p", "a.png", "--swap", "--bin", "-d", "8"}, K::swap_needs_16bit_binary},
        {{"-p", "a.png", "--swap", "--bin", "-d", "16"}, std::nullopt},
        // A palette kept as drawn: indexed formats only, and nothing that changes its indices.
        {{"-p", "a.png", "--keep-palette"}, K::keep_palette_format},
        {{"-p", "a.png", "--keep-palette", "-f", "indexed-4", "--dither"}, K::keep_palette_changes},
        {{"-p", "a.png", "--keep-palette", "-f", "indexed-4", "-w", "3"}, K::keep_palette_changes},
        {{"-p", "a.png", "--keep-palette", "-f", "indexed-4"}, std::nullopt},
        // The command line itself comes before any combination.
        {{"-p", "a.tiff", "-f", "raw", "--bin"}, K::unsupported_image_format},
        {{"-f", "raw", "--bin"}, K::no_image_path},
        {{"-p", "a.png", "--lvgl", "6"}, K::unsupported_lvgl_version},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusal_of(c.args), c.refused) << ::testing::PrintToString(c.args);
    }
}

}  // namespace
}  // namespace pixmint
