// The real setwright binary, run in a temporary directory: its headers, its
// messages, its exit status, and what it leaves on disk when it fails.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "test_support.h"

using namespace lvforge::test;

namespace {

const std::string kGolden = std::string(LVFORGE_TEST_DATA) + "/golden/";

std::string golden(const std::string& name) {
    return read_file(kGolden + name);
}

// One "lvconf" item with all four members.
std::string item(int offset, const std::string& name, const std::string& sim, const std::string& board) {
    return "{\"offset\": " + std::to_string(offset) + ", \"name\": \"" + name +
           "\", \"simulator_value\": \"" + sim + "\", \"board_value\": \"" + board + "\"}";
}

// A conf.json whose "lvconf" holds `items` (JSON texts) in order.
std::string conf(const std::vector<std::string>& items) {
    std::string text = "{\"lvconf\": [";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ",\n" : "\n") + items[i];
    return text + "\n]}\n";
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

    // A successful run whose headers are the defaults with `from` replaced by `to` in each.
    void expect_headers(const RunResult& r, const std::string& sim_from, const std::string& sim_to,
                        const std::string& board_from, const std::string& board_to) {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.status, 0);
        ASSERT_NE(golden("simulator.h").find(sim_from), std::string::npos) << sim_from;
        ASSERT_NE(golden("board.h").find(board_from), std::string::npos) << board_from;
        EXPECT_EQ(sim(), replace_all(golden("simulator.h"), sim_from, sim_to));
        EXPECT_EQ(board(), replace_all(golden("board.h"), board_from, board_to));
    }
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
using setwright_merge = Setwright;
using setwright_options = Setwright;
using setwright_fail = Setwright;

// ---- default headers ----

TEST_F(setwright_run, DefaultsMatchTheGoldenHeaders) {
    for (const char* text : {"{}", "{\"lvconf\": []}", "{\"other\": 1}", "{\"lvconf\": []} trailing text"}) {
        SCOPED_TRACE(text);
        const RunResult r = run_with(text);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(sim(), golden("simulator.h"));
        EXPECT_EQ(board(), golden("board.h"));
        // Nothing but the two headers is left beside conf.json: no temporary files.
        EXPECT_EQ(list_dir(dir.path()), (std::vector<std::string>{"board.h", "conf.json", "simulator.h"}));
    }
}

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

TEST_F(setwright_run, LongerOldHeaderIsReplacedWhole) {
    write_file(dir / "board.h", std::string(100000, 'x'));
    ASSERT_EQ(run_with("{}").status, 0);
    EXPECT_EQ(board(), golden("board.h"));
}

// ---- merging conf.json ----

TEST_F(setwright_merge, ValuesReachTheirOwnHeader) {
    const RunResult r = run_with(conf({item(0, "LV_HOR_RES_MAX", "(800)", "(320)")}));
    expect_headers(r, "#define LV_HOR_RES_MAX (480)\n", "#define LV_HOR_RES_MAX (800)\n",
                   "#define LV_HOR_RES_MAX (480)\n", "#define LV_HOR_RES_MAX (320)\n");
}

TEST_F(setwright_merge, TildesLeaveAnEntryOutOfOneHeader) {
    expect_headers(run_with(conf({item(37, "LV_USE_SHADOW", "1", "~~")})), "x", "x",
                   "#define LV_USE_SHADOW 1\n", "");
    expect_headers(run_with(conf({item(37, "LV_USE_SHADOW", "~~", "1")})), "#define LV_USE_SHADOW 1\n", "",
                   "x", "x");
    // A wholly emptied block keeps its guard lines and leaves no empty line.
    expect_headers(run_with(conf({item(38, "LV_SHADOW_CACHE_SIZE", "~~", "~~")})),
                   "#if LV_USE_SHADOW\n#define LV_SHADOW_CACHE_SIZE 0\n", "#if LV_USE_SHADOW\n",
                   "#if LV_USE_SHADOW\n#define LV_SHADOW_CACHE_SIZE 0\n", "#if LV_USE_SHADOW\n");
}

TEST_F(setwright_merge, NonStringValuesSwitchTheEntryOff) {
    for (const char* value : {"5", "true", "false", "null", "{}", "[\"1\"]"}) {
        SCOPED_TRACE(value);
        const std::string it =
            std::string("{\"offset\": 3, \"name\": \"LV_COLOR_16_SWAP\", \"simulator_value\": ") + value +
            ", \"board_value\": \"1\"}";
        expect_headers(run_with(conf({it})), "#define LV_COLOR_16_SWAP 0\n", "",
                       "#define LV_COLOR_16_SWAP 0\n", "#define LV_COLOR_16_SWAP 1\n");
    }
    // A missing member counts the same.
    expect_headers(run_with(conf({"{\"offset\": 3, \"name\": \"LV_COLOR_16_SWAP\"}"})),
                   "#define LV_COLOR_16_SWAP 0\n", "", "#define LV_COLOR_16_SWAP 0\n", "");
}

TEST_F(setwright_merge, TypedefsAndLongValues) {
    // A typedef entry is named by the type it renames.
    expect_headers(run_with(conf({item(36, "void *", "anim_data_t", "anim_data_t")})),
                   "typedef void * lv_anim_user_data_t;", "typedef void * anim_data_t;",
                   "typedef void * lv_anim_user_data_t;", "typedef void * anim_data_t;");
    // Far longer than any fixed line would hold, and written whole.
    const std::string long_value = "(" + std::string(3000, '9') + ")";
    expect_headers(run_with(conf({item(1, "LV_VER_RES_MAX", long_value, "(272)")})), "(272)", long_value, "x",
                   "x");
}

TEST_F(setwright_merge, LaterItemsForAnOffsetWin) {
    const RunResult r = run_with(conf(
        {item(7, "LV_DISP_DEF_REFR_PERIOD", "10", "~~"), item(7, "LV_DISP_DEF_REFR_PERIOD", "20", "25")}));
    expect_headers(r, "#define LV_DISP_DEF_REFR_PERIOD 30\n", "#define LV_DISP_DEF_REFR_PERIOD 20\n",
                   "#define LV_DISP_DEF_REFR_PERIOD 30\n", "#define LV_DISP_DEF_REFR_PERIOD 25\n");
}

TEST_F(setwright_merge, MemberNamesIgnoreLetterCase) {
    const RunResult r = run_with(
        "{\"LVCONF\": [{\"OFFSET\": 8, \"offset\": 9, \"Name\": \"LV_DPI\", \"Simulator_Value\": \"96\", "
        "\"BOARD_VALUE\": \"160\", \"extra\": 1}]}");
    expect_headers(r, "#define LV_DPI 130\n", "#define LV_DPI 96\n", "#define LV_DPI 130\n",
                   "#define LV_DPI 160\n");
}

TEST_F(setwright_merge, FractionalOffsetsAreCutTowardZero) {
    expect_headers(
        run_with(conf({"{\"offset\": 2.9, \"name\": \"LV_COLOR_DEPTH\", \"simulator_value\": \"8\"}"})),
        "#define LV_COLOR_DEPTH 16\n", "#define LV_COLOR_DEPTH 8\n", "#define LV_COLOR_DEPTH 16\n", "");
    expect_headers(
        run_with(conf({"{\"offset\": -0.5, \"name\": \"LV_HOR_RES_MAX\", \"board_value\": \"1\"}"})),
        "#define LV_HOR_RES_MAX (480)\n", "", "#define LV_HOR_RES_MAX (480)\n", "#define LV_HOR_RES_MAX 1\n");
}

TEST_F(setwright_merge, PlaceholdersNeverReachAHeader) {
    const RunResult r =
        run_with(conf({item(26, "", "1", "1"), item(27, "", "x", "y"), item(145, "RSVD145", "7", "7")}));
    expect_headers(r, "x", "x", "x", "x");
}

TEST_F(setwright_merge, MismatchStopsBeforeAnyHeader) {
    write_file(dir / "simulator.h", "old simulator");
    const RunResult r =
        run_with(conf({item(0, "LV_HOR_RES_MAX", "1", "1"), item(1, "LV_VER_RES_MAX", "1", "1"),
                       item(2, "lv_color_depth", "1", "1"), item(3, "LV_COLOR_16_SWAP", "1", "1")}));
    EXPECT_EQ(r.out,
              "\"lv_color_depth\"(offset=2) isn't match with full_conf list, it's name should be "
              "\"LV_COLOR_DEPTH\"\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(sim(), "old simulator");
    EXPECT_FALSE(exists(dir / "board.h"));
}

// ---- options ----

TEST_F(setwright_options, VersionDecidesTheNameOfEntry49) {
    const std::string osa = item(49, "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA", "1", "true");
    const std::string rejected =
        "\"LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA\"(offset=49) isn't match with full_conf list, it's name should "
        "be "
        "\"LV_USE_GPU_VORLIX_QVB_AUTO_INIT\"\n";
    const std::string old_line = "#define LV_USE_GPU_VORLIX_QVB_AUTO_INIT 0\n";
    const std::string new_line = "#define LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA 1\n";

    const std::vector<std::vector<std::string>> accepted_args = {{"-v", "7.0.1"},
                                                                 {"-v7.0.1"},
                                                                 {"-v", "7.0.2", "-v", "7.0.1"},
                                                                 {"-v", "7.0.1", "-x", "-v", "7.0.2"},
                                                                 {"-v", "7.0.1", "-v"},
                                                                 {"-v", "7.0.1", "stray"}};
    for (const auto& args : accepted_args) {
        SCOPED_TRACE(args.size() > 2 ? args[2] : args[0]);
        expect_headers(run_with(conf({osa}), args), old_line, new_line, old_line, new_line);
    }
    const std::vector<std::vector<std::string>> rejected_args = {{},
                                                                 {"-v", "7.0.1 "},
                                                                 {"-v", "7.0"},
                                                                 {"-v", "7.0.10"},
                                                                 {"-v", "7.0.1", "-v", "8"},
                                                                 {"-x", "-v", "7.0.1"},
                                                                 {"-v"}};
    for (const auto& args : rejected_args) {
        SCOPED_TRACE(args.empty() ? "none" : args.back());
        std::remove((dir / "simulator.h").c_str());
        std::remove((dir / "board.h").c_str());
        expect_rejected(run_with(conf({osa}), args), rejected);
    }
    // The built-in spelling is accepted under any other version, and 7.0.1 renames it even when
    // conf.json doesn't mention the entry.
    expect_headers(run_with(conf({item(49, "LV_USE_GPU_VORLIX_QVB_AUTO_INIT", "1", "1")}), {"-v", "6.1"}),
                   old_line, "#define LV_USE_GPU_VORLIX_QVB_AUTO_INIT 1\n", old_line,
                   "#define LV_USE_GPU_VORLIX_QVB_AUTO_INIT 1\n");
    expect_headers(run_with("{}", {"-v", "7.0.1"}), old_line, "#define LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA 0\n",
                   old_line, "#define LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA 0\n");
}

// ---- failures ----

TEST_F(setwright_fail, UnreadableOrUnparsableConf) {
    EXPECT_EQ(run_here().out, "open conf.json failed\n");
    EXPECT_EQ(run_here().status, 1);
    EXPECT_TRUE(list_dir(dir.path()).empty());

    ASSERT_EQ(::mkdir((dir / "conf.json").c_str(), 0755), 0);
    expect_rejected(run_here(), "open conf.json failed\n");
    ::rmdir((dir / "conf.json").c_str());

    // A FIFO has no length to read up to; the run must not wait for a writer.
    ASSERT_EQ(::mkfifo((dir / "conf.json").c_str(), 0644), 0);
    expect_rejected(run_here(), "Fail to get the file length\n");
    std::remove((dir / "conf.json").c_str());

    for (const char* text : {"", "   \n", "{\"lvconf\": [", "lvconf", "{\"lvconf\": [1,]}"}) {
        SCOPED_TRACE(text);
        expect_rejected(run_with(text), "Parse json content failed\n");
    }
}

TEST_F(setwright_fail, MalformedItemsAreRejectedWithTheirPosition) {
    const std::string good = item(0, "LV_HOR_RES_MAX", "1", "1");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"5", "lvconf[1]: the item is not an object\n"},
        {"\"LV_DPI\"", "lvconf[1]: the item is not an object\n"},
        {"{\"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" is missing\n"},
        {"{\"offset\": \"8\", \"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" is not a number\n"},
        {"{\"offset\": null, \"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" is not a number\n"},
        {"{\"offset\": 212, \"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" 212 is outside 0 to 211\n"},
        {"{\"offset\": -1, \"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" -1 is outside 0 to 211\n"},
        {"{\"offset\": 1e12, \"name\": \"LV_DPI\"}", "lvconf[1]: \"offset\" 1e+12 is outside 0 to 211\n"},
        {"{\"offset\": 8}", "lvconf[1]: \"name\" is missing\n"},
        {"{\"offset\": 8, \"name\": 8}", "lvconf[1]: \"name\" is not a string\n"},
        {"{\"offset\": 26, \"name\": null}", "lvconf[1]: \"name\" is not a string\n"},
    };
    write_file(dir / "board.h", "old board");
    for (const auto& [bad, message] : cases) {
        SCOPED_TRACE(bad);
        const RunResult r = run_with(conf({good, bad, good}));
        EXPECT_EQ(r.out, message);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(board(), "old board");
        EXPECT_FALSE(exists(dir / "simulator.h"));
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
