// LVGL v7's image header holds 11 bits of width and height: 2047 pixels is
// written, as C or .bin, in every format family; 2048 is refused with nothing
// written, after -w, -h or -v's alignment; past 2500 the older limit speaks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using Names = std::vector<std::string>;
using Args = std::vector<std::string>;

const std::string kHeaderLimit = "Error: LVGL v7 images are at most 2047 pixels wide and high.\n";
const std::string kSizeLimit =
    "Error: Image size out of limit. The width and height should not exceed 2500 !\n ";

// The width and height a written file declares: the descriptor's, or the .bin header word's.
std::pair<unsigned, unsigned> declared_size(const std::string& dir, bool binary) {
    const std::string text = read_file(dir + (binary ? "/out.bin" : "/out.c"));
    if (binary) {
        const auto b = [&](std::size_t i) { return std::uint32_t{static_cast<std::uint8_t>(text.at(i))}; };
        const std::uint32_t word = b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
        return {word >> 10 & 2047, word >> 21 & 2047};
    }
    const auto number = [&](const std::string& key) {
        const auto at = text.find(key);
        return at == std::string::npos ? 0u : static_cast<unsigned>(std::stoul(text.substr(at + key.size())));
    };
    return {number(".header.w = "), number(".header.h = ")};
}

TEST(LvglV7Size, BoundaryForEveryFamilyAndBothOutputs) {
    const struct {
        const char* family;
        Args format;  // -f and, for --bin, the depth a true-colour format needs
    } families[] = {
        {"true colour", {"-f", "true-color", "-d", "16"}},
        {"true colour with alpha", {"-f", "true-color-alpha", "-d", "24"}},
        {"indexed", {"-f", "indexed-4"}},
        {"alpha", {"-f", "alpha-8"}},
    };
    const struct {
        const char* what;
        Args size;
        std::pair<unsigned, unsigned> written;  // {0, 0}: refused
    } sizes[] = {
        {"-w 2047", {"-w", "2047", "-h", "1"}, {2047, 1}}, {"-h 2047", {"-w", "3", "-h", "2047"}, {3, 2047}},
        {"-w 2048", {"-w", "2048", "-h", "1"}, {0, 0}},    {"-h 2048", {"-w", "1", "-h", "2048"}, {0, 0}},
        {"-w 2500", {"-w", "2500", "-h", "1"}, {0, 0}},
    };
    for (const auto& f : families) {
        for (const auto& s : sizes) {
            for (bool binary : {false, true}) {
                TempDir dir;
                write_png(dir / "small.png", 4, 3, 4);
                Args args{"-p", "small.png", "-n", "out"};
                args.insert(args.end(), f.format.begin(), f.format.end());
                args.insert(args.end(), s.size.begin(), s.size.end());
                if (binary) args.emplace_back("--bin");
                const std::string what = std::string(f.family) + ", " + s.what + (binary ? ", --bin" : "");
                const auto r = run_pixmint(dir.path(), args);
                if (s.written.first == 0) {
                    EXPECT_EQ(r.out, kHeaderLimit) << what;
                    EXPECT_EQ(r.status, 1) << what;
                    EXPECT_EQ(list_dir(dir.path()), (Names{"small.png"})) << what;
                } else {
                    EXPECT_EQ(r.status, 0) << what << ": " << r.out;
                    EXPECT_EQ(declared_size(dir.path(), binary), s.written) << what;
                }
            }
        }
    }
}

TEST(LvglV7Size, AlignmentAndTheOlderLimit) {
    const struct {
        const char* what;
        Args args;
        std::string out;
        std::pair<unsigned, unsigned> written;  // {0, 0}: refused, the earlier file kept
    } cases[] = {
        {"-v aligns 2031 to 2032",
         {"-p", "small.png", "-v", "-w", "2031", "-h", "1"},
         "color depth: 0\n",
         {2032, 1}},
        {"-v aligns 2032 to 2048", {"-p", "small.png", "-v", "-w", "2032", "-h", "1"}, kHeaderLimit, {0, 0}},
        {"2501 wide", {"-p", "small.png", "-w", "2501", "-h", "1"}, kSizeLimit, {0, 0}},
        {"2501 high, --bin",
         {"-p", "small.png", "-h", "2501", "--bin", "-f", "indexed-1"},
         kSizeLimit,
         {0, 0}},
        {"raw, 2047 wide", {"-p", "w2047.png", "-f", "raw"}, "color depth: 0\n", {2047, 1}},
        {"raw, 2048 wide", {"-p", "w2048.png", "-f", "raw-alpha"}, kHeaderLimit, {0, 0}},
        {"2048 wide as it is", {"-p", "w2048.png"}, kHeaderLimit, {0, 0}},
    };
    const std::string earlier = "/* an earlier, good output */\n";
    for (const auto& c : cases) {
        TempDir dir;
        write_png(dir / "small.png", 4, 3, 4);
        write_png(dir / "w2047.png", 2047, 1, 3);
        write_png(dir / "w2048.png", 2048, 1, 3);
        lvforge::test::write_file(dir / "out.c", earlier);
        Args args = c.args;
        args.insert(args.end(), {"-n", "out"});
        const auto r = run_pixmint(dir.path(), args);
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.status, c.written.first == 0 ? 1 : 0) << c.what;
        if (c.written.first == 0) {
            EXPECT_EQ(read_file(dir / "out.c"), earlier) << c.what;
        } else {
            EXPECT_EQ(declared_size(dir.path(), false), c.written) << c.what;
        }
        EXPECT_EQ(list_dir(dir.path()), (Names{"out.c", "small.png", "w2047.png", "w2048.png"})) << c.what;
    }
}

}  // namespace
}  // namespace pixmint::test
