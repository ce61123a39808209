// The generated C compiled for real: the array a program sees must be the
// input's bytes followed by one zero byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;

// Converts `input` under the array name `arr`, compiles the result into a program that writes
// the array out, runs it and returns what it wrote.
std::string round_trip(const TempDir& d, const std::string& input) {
    const auto conv = lvforge::test::run({ANIMPACK_BIN, "-p", input, "-n", "gen/arr"}, {.cwd = d.path()});
    EXPECT_EQ(conv.out, "");
    EXPECT_EQ(conv.status, 0);
    // A stand-in for the library header: the generated file needs only uint8_t from it.
    write_file(d / "lvgl.h", "#include <stdint.h>\n");
    write_file(d / "dump.c",
               "#include <stdio.h>\n#include \"gen/arr.c\"\n"
               "int main(int argc, char **argv) {\n"
               "    FILE *f = argc > 1 ? fopen(argv[1], \"wb\") : NULL;\n"
               "    if (!f || fwrite(arr, 1, sizeof arr, f) != sizeof arr || fclose(f)) return 1;\n"
               "    return 0;\n}\n");
    const auto cc = lvforge::test::run(
        {"/bin/sh", "-c", "cc -std=c11 -Wall -Wextra -Werror -I. -o dump dump.c && ./dump dumped.bin"},
        {.cwd = d.path()});
    EXPECT_EQ(cc.status, 0) << cc.out << cc.err;
    return read_file(d / "dumped.bin");
}

TEST(RoundTrip, EveryByteValueSurvivesCompilation) {
    TempDir d;
    // Every byte value, in an order that is not a simple ramp, over several formatting blocks.
    std::string bytes(300 * 1000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    write_file(d / "input.bin", bytes);
    EXPECT_TRUE(round_trip(d, d / "input.bin") == bytes + '\0');
}

TEST(RoundTrip, ExampleAnimationsSurviveCompilation) {
    const std::string dir = std::string(LVFORGE_SOURCE_DIR) + "/examples/anims";
    int seen = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        TempDir d;
        EXPECT_TRUE(round_trip(d, e.path().string()) == read_file(e.path().string()) + '\0') << e.path();
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

}  // namespace

TEST(RoundTrip, NamesThatAreNoIdentifiersStillCompile) {
    const struct {
        std::string name;    // -n, also the output file's stem
        std::string symbol;  // the array's name in the object file
    } cases[] = {
        {"my-logo", "my_logo"}, {"2x", "_2x"}, {"a b", "a_b"}, {"new\nline", "new_line"}, {"q\"t", "q_t"},
    };
    for (const auto& c : cases) {
        TempDir d;
        write_file(d / "in.json", "{}");
        write_file(d / "lvgl.h", "#include <stdint.h>\n");
        const auto conv =
            lvforge::test::run({ANIMPACK_BIN, "-p", "in.json", "-n", c.name}, {.cwd = d.path()});
        EXPECT_EQ(conv.status, 0) << c.name;
        const auto cc = lvforge::test::run(
            {"/usr/bin/cc", "-std=c11", "-Wall", "-Werror", "-I.", "-c", "-o", "gen.o", c.name + ".c"},
            {.cwd = d.path()});
        EXPECT_EQ(cc.status, 0) << c.name << cc.out << cc.err;
        const auto nm = lvforge::test::run({"/usr/bin/nm", "gen.o"}, {.cwd = d.path()});
        EXPECT_NE(nm.out.find(" R " + c.symbol + "\n"), std::string::npos) << c.name << nm.out;
    }
}
