// The entry table against the published listing, the -v choice, and the
// merge of conf.json items into the configuration.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "setwright/command_line.h"
#include "setwright/configuration.h"
#include "setwright/entries.h"
#include "setwright/header_template.h"
#include "setwright/merge.h"
#include "tests/support/test_support.h"

using namespace setwright;
using lvforge::test::read_file;

namespace {

// The default headers, as the golden case of a run with an empty conf.json holds them.
const std::string kGolden =
    std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/setwright/entries/defaults_empty_object/out/";

// Kind of each entry as the kind summary lists them by ranges. The headers can't tell kind 0
// from kind 1, so the kinds are checked here rather than through the golden headers.
Kind listed_kind(int index) {
    const auto in = [index](std::initializer_list<std::pair<int, int>> ranges) {
        for (const auto& [a, b] : ranges)
            if (index >= a && index <= b) return true;
        return false;
    };
    if (in({{19, 20},
            {23, 25},
            {66, 66},
            {73, 73},
            {77, 77},
            {122, 132},
            {136, 136},
            {138, 138},
            {141, 143},
            {148, 149},
            {151, 151},
            {191, 191}}))
        return Kind::symbol;
    if (in({{12, 12}, {36, 36}, {46, 46}, {52, 52}, {60, 60}, {74, 75}, {117, 117}, {146, 146}}))
        return Kind::type_alias;
    if (in({{15, 15}, {62, 64}, {67, 68}, {70, 70}, {112, 112}, {209, 209}})) return Kind::bare;
    if (index == 18 || index == 72) return Kind::include;
    if (index == 14) return Kind::kibibytes;  // a number, rendered as a size in KiB
    if (index == 26 || index == 27) return Kind::none;
    return Kind::number;
}

const Entry& entry(int index) {
    return kEntries[static_cast<std::size_t>(index)];
}

// `config` after merging the conf.json text `json`, which must be accepted.
void merge_ok(std::string json, Configuration& config) {
    ASSERT_TRUE(merge_conf_text(json.data(), json.size(), config).ok()) << json;
}

}  // namespace

TEST(setwright_table, RenderedRowsMatchTheGoldenHeaders) {
    // The golden headers were rendered from the listing by a separate script: every name and
    // value that reaches a header is checked here, byte for byte, for both modes.
    const Configuration defaults;
    EXPECT_EQ(render_header(defaults, Mode::simulator).value(), read_file(kGolden + "simulator.h"));
    EXPECT_EQ(render_header(defaults, Mode::board).value(), read_file(kGolden + "board.h"));
}

TEST(setwright_table, EveryRowHasItsKindAndFlag) {
    for (int i = 0; i < kEntryCount; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(entry(i).kind, listed_kind(i));
        EXPECT_EQ(entry(i).on, i != 26 && i != 27);
    }
}

TEST(setwright_table, RowsNoHeaderShowsInFull) {
    // Kind 3 ignores its values and the placeholders are never rendered, so the golden headers
    // can't vouch for these texts.
    for (int i : {15, 62, 63, 64, 67, 68, 70, 209}) {
        EXPECT_EQ(entry(i).simulator, "") << i;
        EXPECT_EQ(entry(i).board, "") << i;
    }
    EXPECT_EQ(entry(112).simulator, "");
    EXPECT_EQ(entry(112).board, "0");
    for (int i : {26, 27}) {
        EXPECT_EQ(entry(i).name, "");
        EXPECT_EQ(entry(i).simulator, "0");
        EXPECT_EQ(entry(i).board, "0");
    }
    EXPECT_EQ(entry(145).name, "RSVD145");
    EXPECT_EQ(entry(145).simulator, "");
    EXPECT_EQ(entry(145).board, "");
}

TEST(setwright_table, WideInvariantsOfTheListing) {
    int kind_counts[7] = {};
    std::set<int> differing;
    for (int i = 0; i < kEntryCount; ++i) {
        ++kind_counts[static_cast<int>(entry(i).kind)];
        if (entry(i).simulator != entry(i).board) differing.insert(i);
    }
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::number)] + kind_counts[static_cast<int>(Kind::kibibytes)],
              162);
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::symbol)], 28);
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::type_alias)], 9);
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::bare)], 9);
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::include)], 2);
    EXPECT_EQ(kind_counts[static_cast<int>(Kind::none)], 2);
    EXPECT_EQ(differing, (std::set<int>{65, 66, 112, 211}));
}

TEST(setwright_table, VersionSelectsTheSpellingOfEntry49) {
    const auto chosen = [](std::vector<std::string> args) {
        args.insert(args.begin(), "setwright");
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const Options options = parse_command_line(static_cast<int>(args.size()), argv.data());
        return std::string(Configuration(options.lvgl_7_0_1).name(kGpuEntry));
    };
    EXPECT_EQ(chosen({"-v", "7.0.1"}), "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA");
    for (const char* other : {"7.0.10", "7.0.", "7.0.1 ", "", "7.1.0"})
        EXPECT_EQ(chosen({"-v", "7.0.1", "-v", other}), "LV_USE_GPU_VORLIX_QVB_AUTO_INIT")
            << '"' << other << '"';
    EXPECT_EQ(chosen({}), "LV_USE_GPU_VORLIX_QVB_AUTO_INIT");
    EXPECT_EQ(Configuration(true).name(kGpuEntry - 1), entry(kGpuEntry - 1).name);
}

TEST(setwright_table, MergeReplacesValuesAndSwitchesHeadersOff) {
    Configuration config;
    merge_ok(R"({"lvconf": [{"offset": 2, "name": "LV_COLOR_DEPTH", "simulator_value": "123",
                             "board_value": "~~"}]})",
             config);
    EXPECT_EQ(config.value(2, Mode::simulator), "123");
    EXPECT_EQ(config.value(2, Mode::board), std::nullopt);  // "~~": left out of board.h

    // A member that is no JSON string: switched off for that header only.
    merge_ok(R"({"lvconf": [{"offset": 2, "name": "LV_COLOR_DEPTH", "simulator_value": 8,
                             "board_value": "true"}]})",
             config);
    EXPECT_EQ(config.value(2, Mode::simulator), std::nullopt);
    EXPECT_EQ(config.value(2, Mode::board), "true");

    // The default-off placeholders can be switched on like any other entry.
    EXPECT_EQ(config.value(26, Mode::simulator), std::nullopt);
    merge_ok(R"({"lvconf": [{"offset": 26, "name": "", "simulator_value": "", "board_value": ""}]})", config);
    EXPECT_EQ(config.value(26, Mode::simulator), "");
    EXPECT_EQ(config.value(26, Mode::board), "");
    // Entries no item names keep their defaults.
    EXPECT_EQ(config.value(211, Mode::simulator), "1");
    EXPECT_EQ(config.value(211, Mode::board), "0");
}
