// The entry table against the published listing, and the merge operation
// that replaces an entry's values.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "basic.h"
#include "conf.h"
#include "mac_obj.h"
#include "test_support.h"

using namespace setwright;
using lvforge::test::read_file;

namespace {

// The default headers, as the golden case of a run with an empty conf.json holds them.
const std::string kGolden = std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/setwright/defaults_empty_object/out/";

// Kind of each entry as the kind summary lists them by ranges. The headers can't tell kind 0
// from kind 1, so the kinds are checked here rather than through the golden headers.
int listed_kind(int index) {
    const auto in = [index](std::initializer_list<std::pair<int, int>> ranges) {
        for (const auto& [a, b] : ranges)
            if (index >= a && index <= b) return true;
        return false;
    };
    if (in({{19, 20},
            {23, 25},
            {66, 66},
            {72, 73},
            {77, 77},
            {122, 132},
            {136, 136},
            {138, 138},
            {141, 143},
            {148, 149},
            {151, 151},
            {191, 191}}))
        return MAC_KIND_SYM;
    if (in({{12, 12}, {36, 36}, {46, 46}, {52, 52}, {60, 60}, {74, 75}, {117, 117}, {146, 146}}))
        return MAC_KIND_TYPEDEF;
    if (in({{15, 15}, {62, 64}, {67, 68}, {70, 70}, {112, 112}, {209, 209}})) return MAC_KIND_EMPTY;
    if (index == 18) return MAC_KIND_STR;
    if (index == 26 || index == 27) return MAC_KIND_NONE;
    return MAC_KIND_NUM;
}

class TableTest : public ::testing::Test {
   protected:
    void TearDown() override { reset_full_conf(); }
};

// A source record as the conf.json reader builds it.
mac_obj_t source(const char* sim_val, const char* board_val) {
    mac_obj_t src{};
    src.sim_val = sim_val;
    src.board_val = board_val;
    src.owned = 1;
    return src;
}

}  // namespace

using setwright_table = TableTest;

TEST_F(setwright_table, RenderedRowsMatchTheGoldenHeaders) {
    // The golden headers were rendered from the listing by a separate script: every name and
    // value that reaches a header is checked here, byte for byte, for both modes.
    ASSERT_EQ(init_conf(), 0);
    for (int mode : {MODE_SIMULATOR, MODE_BOARD}) {
        ASSERT_EQ(update_conf(mode), 0);
        const conf_code_t& code = mode == MODE_BOARD ? board_conf_code : sim_conf_code;
        EXPECT_EQ(std::string(code.text, code.len),
                  read_file(kGolden + (mode == MODE_BOARD ? "board.h" : "simulator.h")));
    }
    free_conf();
}

TEST_F(setwright_table, EveryRowHasItsKindFlagsAndEmitter) {
    for (std::size_t i = 0; i < full_conf.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const mac_obj_t& e = full_conf[i];
        EXPECT_EQ(e.id, static_cast<int>(i));
        EXPECT_EQ(e.kind, listed_kind(e.id));
        EXPECT_EQ(e.owned, 0);
        EXPECT_EQ(e.chk, &mac_chk_num);
        EXPECT_EQ(e.gen, i == 14 ? &mem_size_gen : &mac_code_gen);
        const int en = (i == 26 || i == 27) ? 0 : 1;
        EXPECT_EQ(e.sim_en, en);
        EXPECT_EQ(e.board_en, en);
        EXPECT_STREQ(e.note, i == 35 ? "lv_anim_user_data_t" : "");
    }
}

TEST_F(setwright_table, RowsNoHeaderShowsInFull) {
    // Kind 3 ignores its values and the placeholders are never rendered, so the golden headers
    // can't vouch for these texts.
    for (int i : {15, 62, 63, 64, 67, 68, 70, 209}) {
        EXPECT_STREQ(full_conf[static_cast<std::size_t>(i)].sim_val, "") << i;
        EXPECT_STREQ(full_conf[static_cast<std::size_t>(i)].board_val, "") << i;
    }
    EXPECT_STREQ(full_conf[112].sim_val, "");
    EXPECT_STREQ(full_conf[112].board_val, "0");
    for (int i : {26, 27}) {
        EXPECT_STREQ(full_conf[static_cast<std::size_t>(i)].name, "");
        EXPECT_STREQ(full_conf[static_cast<std::size_t>(i)].sim_val, "0");
        EXPECT_STREQ(full_conf[static_cast<std::size_t>(i)].board_val, "0");
    }
    EXPECT_STREQ(full_conf[145].name, "RSVD145");
    EXPECT_STREQ(full_conf[145].sim_val, "");
    EXPECT_STREQ(full_conf[145].board_val, "");
}

TEST_F(setwright_table, WideInvariantsOfTheListing) {
    int kind_counts[6] = {};
    std::set<int> differing;
    for (const mac_obj_t& e : full_conf) {
        ASSERT_LT(e.kind, 6);
        ++kind_counts[e.kind];
        if (std::strcmp(e.sim_val, e.board_val) != 0) differing.insert(e.id);
    }
    EXPECT_EQ(kind_counts[MAC_KIND_NUM], 162);
    EXPECT_EQ(kind_counts[MAC_KIND_SYM], 29);
    EXPECT_EQ(kind_counts[MAC_KIND_TYPEDEF], 9);
    EXPECT_EQ(kind_counts[MAC_KIND_EMPTY], 9);
    EXPECT_EQ(kind_counts[MAC_KIND_STR], 1);
    EXPECT_EQ(kind_counts[MAC_KIND_NONE], 2);
    EXPECT_EQ(differing, (std::set<int>{65, 66, 112, 211}));
    EXPECT_EQ(mac_chk_num(full_conf[0], "anything"), 0);
}

TEST_F(setwright_table, VersionSelectsTheSpellingOfEntry49) {
    const char* built_in = "LV_USE_GPU_VORLIX_QVB_AUTO_INIT";
    select_lvgl_version("7.0.1");
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, "LV_USE_GPU_VORLIX_QVB_DEFAULT_OSA");
    for (const char* other : {"7.0.10", "7.0.", "7.0.1 ", "", "7.1.0"}) {
        select_lvgl_version("7.0.1");
        select_lvgl_version(other);
        EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, built_in) << '"' << other << '"';
    }
    reset_full_conf();
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, built_in);
}

TEST_F(setwright_table, MergeStoresCopiesAndSwitchesHeadersOff) {
    std::string sim = "123";
    ASSERT_EQ(update_mac_value(source(sim.c_str(), "~~"), 2), 0);
    sim = "changed after the merge";
    const mac_obj_t& e = full_conf[2];
    EXPECT_STREQ(e.sim_val, "123");   // a copy, not the caller's text
    EXPECT_STREQ(e.board_val, "~~");  // kept, but never rendered
    EXPECT_EQ(e.sim_en, 1);
    EXPECT_EQ(e.board_en, 0);
    EXPECT_EQ(e.owned, 1);

    // A member that was no JSON string: empty text, switched off for that header only.
    ASSERT_EQ(update_mac_value(source(nullptr, "true"), 2), 0);
    EXPECT_STREQ(e.sim_val, "");
    EXPECT_STREQ(e.board_val, "true");
    EXPECT_EQ(e.sim_en, 0);
    EXPECT_EQ(e.board_en, 1);

    // The default-off placeholders can be switched on like any other entry.
    ASSERT_EQ(update_mac_value(source("", ""), 26), 0);
    EXPECT_EQ(full_conf[26].sim_en, 1);
    EXPECT_EQ(full_conf[26].board_en, 1);
}

TEST_F(setwright_table, ResetReleasesCopiesAndRestoresDefaults) {
    // Repeated merges into one entry must free the copies they replace (the sanitizer build
    // reports a leak otherwise) and the reset must bring the literal defaults back.
    for (int i = 0; i < 3; ++i) ASSERT_EQ(update_mac_value(source("a", "b"), 211), 0);
    select_lvgl_version("7.0.1");
    reset_full_conf();
    EXPECT_STREQ(full_conf[211].sim_val, "1");
    EXPECT_STREQ(full_conf[211].board_val, "0");
    EXPECT_EQ(full_conf[211].owned, 0);
    EXPECT_STREQ(full_conf[GPU_OSA_INDEX].name, "LV_USE_GPU_VORLIX_QVB_AUTO_INIT");
}
