// The real setwright binary, run in a temporary directory, where the golden
// cases (tests/golden/setwright) can't reach: inputs that are not regular
// files, headers that can't be written, and the headers compiled for real.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"

using namespace lvforge::test;

namespace {

// The default headers, as the golden case of a run with an empty conf.json holds them.
const std::string kGolden =
    std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/setwright/entries/defaults_empty_object/out/";

std::string golden(const std::string& name) {
    return read_file(kGolden + name);
}

class Setwright : public ::testing::Test {
   protected:
    TempDir dir;

    RunResult run_with(const std::string& conf_text, const std::vector<std::string>& args = {}) {
        write_file(dir / "conf.json", conf_text);
        return run_here(args);
    }
    RunResult run_here(const std::vector<std::string>& args = {}) {
        std::vector<std::string> argv{SETWRIGHT_BIN};
        argv.insert(argv.end(), args.begin(), args.end());
        return run(argv, {dir.path()});
    }
    std::string sim() { return read_file(dir / "simulator.h"); }
    std::string board() { return read_file(dir / "board.h"); }

    // A failed run that printed `message` and wrote no header.
    void expect_rejected(const RunResult& r, const std::string& message) {
        EXPECT_EQ(r.out, message);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(list_dir(dir.path()), std::vector<std::string>{"conf.json"});
    }
};

// Lines of `text`, split at LF.
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

using setwright_run = Setwright;
using setwright_fail = Setwright;

// ---- default headers ----

TEST_F(setwright_run, HeadersDifferInExactlyFourPlaces) {
    ASSERT_EQ(run_with("{}").status, 0);
    const std::vector<std::string> s = lines_of(sim());
    std::vector<std::string> b = lines_of(board());
    ASSERT_EQ(b.size(), s.size() + 1);
    EXPECT_EQ(b[4], "#include \"brenvik_glue.h\"");
    b.erase(b.begin() + 4);
    std::vector<std::string> differing;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] != b[i]) differing.push_back(s[i] + " | " + b[i]);
    EXPECT_EQ(differing, (std::vector<std::string>{
                             "#define LV_ATTRIBUTE_MEM_ALIGN_SIZE  | #define LV_ATTRIBUTE_MEM_ALIGN_SIZE 64",
                             "#define LV_ATTRIBUTE_MEM_ALIGN  | #define LV_ATTRIBUTE_MEM_ALIGN "
                             "__attribute__((aligned(LV_ATTRIBUTE_MEM_ALIGN_SIZE)))",
                             "#define LV_USE_KELDRAN_SIMULATOR 1 | #define LV_USE_KELDRAN_SIMULATOR 0",
                         }));
    for (const std::string& text : {sim(), board()}) {
        EXPECT_EQ(text.rfind("#ifndef LV_CONF_H\n#define LV_CONF_H\n\n#include <stdint.h>\n", 0), 0u);
        EXPECT_EQ(text.find('\r'), std::string::npos);
        EXPECT_EQ(text.substr(text.size() - 8), "\n\n#endif");
    }
}

// ---- failures ----

TEST_F(setwright_fail, ConfThatIsNotARegularFile) {
    ASSERT_EQ(::mkdir((dir / "conf.json").c_str(), 0755), 0);
    expect_rejected(run_here(), "open conf.json failed\n");
    ::rmdir((dir / "conf.json").c_str());

    // A FIFO has no length to read up to; the run must not wait for a writer.
    ASSERT_EQ(::mkfifo((dir / "conf.json").c_str(), 0644), 0);
    expect_rejected(run_here(), "Fail to get the file length\n");
}

TEST_F(setwright_fail, ConfOverSixteenMebibytesIsRefused) {
    // A valid document padded with blanks to exactly the limit is still read.
    const std::size_t limit = std::size_t{16} << 20;
    const std::string doc = "{\"lvconf\": []}";
    ASSERT_EQ(run_with(doc + std::string(limit - doc.size(), ' ')).status, 0);
    EXPECT_EQ(sim(), golden("simulator.h"));

    // One byte more is refused before anything is written, the earlier headers kept; so is a
    // sparse file that would take a gigabyte of memory to read.
    for (const long long size : {static_cast<long long>(limit) + 1, 1LL << 30}) {
        SCOPED_TRACE(size);
        write_file(dir / "simulator.h", "old simulator");
        write_file(dir / "board.h", "old board");
        write_file(dir / "conf.json", doc);
        ASSERT_EQ(::truncate((dir / "conf.json").c_str(), size), 0);
        const RunResult r = run_here();
        EXPECT_EQ(r.out, "Error: conf.json is too large.\n");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(sim(), "old simulator");
        EXPECT_EQ(board(), "old board");
        EXPECT_EQ(list_dir(dir.path()), (std::vector<std::string>{"board.h", "conf.json", "simulator.h"}));
    }
}

TEST_F(setwright_fail, UnwritableHeaderDoesNotStopTheOther) {
    // A directory in the way stops even root, whom permission bits don't.
    for (const std::string blocked : {"simulator.h", "board.h"}) {
        SCOPED_TRACE(blocked);
        TempDir here;
        ASSERT_EQ(::mkdir((here / blocked).c_str(), 0755), 0);
        write_file(here / "conf.json", "{}");
        const RunResult r = run({SETWRIGHT_BIN}, {here.path()});
        EXPECT_EQ(r.out, "ERR: open " + blocked + " failed!\n");
        EXPECT_EQ(r.status, 1);
        const std::string other = blocked == "board.h" ? "simulator.h" : "board.h";
        EXPECT_EQ(read_file(here / other), golden(other));
        EXPECT_EQ(list_dir(here / blocked), std::vector<std::string>{});
        EXPECT_EQ(list_dir(here.path()), (std::vector<std::string>{"board.h", "conf.json", "simulator.h"}));
    }
}

TEST_F(setwright_fail, FailedWritesKeepTheOldHeaders) {
    // Both headers are larger than the limit, so neither write can complete.
    write_file(dir / "conf.json", "{}");
    write_file(dir / "simulator.h", "old simulator");
    write_file(dir / "board.h", "old board");
    const RunResult r = run({SETWRIGHT_BIN}, {dir.path(), 4096});
    EXPECT_EQ(r.out, "ERR: write simulator.h failed!\nERR: write board.h failed!\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(sim(), "old simulator");
    EXPECT_EQ(board(), "old board");
    EXPECT_EQ(list_dir(dir.path()), (std::vector<std::string>{"board.h", "conf.json", "simulator.h"}));
}

// ---- the headers compile ----

namespace {

// Compiles a C file that takes `header` (in `dir`) as its configuration; returns the compiler's
// output, "" when it succeeded. `checks` are extra lines after the include.
std::string compile_with(const TempDir& dir, const std::string& header, const std::string& checks) {
    write_file(dir / "brenvik_glue.h", "#define BRENVIK_GLUE_SEEN 1\n");
    write_file(dir / "check.c",
               "#include \"" + header + "\"\n#include <stddef.h>\n" + checks +
                   "static lv_coord_t coord = LV_HOR_RES_MAX;\n"
                   "static lv_anim_user_data_t anim_data = NULL;\n"
                   "static LV_ATTRIBUTE_MEM_ALIGN unsigned char aligned_buf[8];\n"
                   "static const char break_chars[] = LV_TXT_BREAK_CHARS;\n"
                   "LV_EXPORT_CONST_INT(42);\n"
                   "int conf_check(void);\n"
                   "int conf_check(void) {\n"
                   "    return coord + (anim_data == NULL) + aligned_buf[0] + (int)sizeof break_chars\n"
                   "        + LV_COLOR_DEPTH + (int)LV_MEM_SIZE;\n"
                   "}\n");
    const RunResult r =
        run({"/bin/sh", "-c",
             "cd '" + dir.path() +
                 "' && cc -std=c11 -Wall -Wextra -Wpedantic -Werror -c check.c -o check.o 2>&1"});
    return r.status == 0 ? "" : r.out + "(status " + std::to_string(r.status) + ")";
}

}  // namespace

TEST_F(setwright_run, DefaultHeadersCompile) {
    ASSERT_EQ(run_with("{}").status, 0);
    const std::string common =
        "_Static_assert(LV_MEM_SIZE == 32U * 1024U, \"mem size\");\n"
        "_Static_assert(LV_HOR_RES_MAX == 480 && LV_VER_RES_MAX == 272, \"res\");\n";
    EXPECT_EQ(compile_with(dir, "simulator.h",
                           common + "_Static_assert(LV_USE_KELDRAN_SIMULATOR == 1, \"sim\");\n"
                                    "#ifdef BRENVIK_GLUE_SEEN\n#error glue\n#endif\n"),
              "");
    EXPECT_EQ(compile_with(dir, "board.h",
                           common + "_Static_assert(LV_USE_KELDRAN_SIMULATOR == 0, \"board\");\n"
                                    "_Static_assert(LV_ATTRIBUTE_MEM_ALIGN_SIZE == 64, \"align\");\n"
                                    "#ifndef BRENVIK_GLUE_SEEN\n#error no glue\n#endif\n"),
              "");
}

TEST_F(setwright_run, ExampleConfigurationCompiles) {
    const RunResult r =
        run_with(read_file(std::string(LVFORGE_SOURCE_DIR) + "/examples/config/conf.json"), {"-v", "7.0.1"});
    ASSERT_EQ(r.out, "");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(compile_with(dir, "simulator.h", ""), "");
    EXPECT_EQ(compile_with(dir, "board.h", ""), "");
}
