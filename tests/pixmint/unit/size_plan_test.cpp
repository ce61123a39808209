// plan_size in process: the final size it settles, and the order in which it names what is
// wrong when several things are. Each row breaks the checks after its expected failure too,
// so a reordering shows.
#include "pixmint/acquire/size_plan.h"

#include <gtest/gtest.h>

#include <optional>

namespace pixmint {
namespace {

TEST(SizePlan, FinalSizesAndTheOrderOfItsChecks) {
    struct Case {
        const char* what;
        std::optional<int> width, height;
        bool zintra;
        Size source;
        std::optional<FailureKind> refused;  // none: planned as `planned`
        Size planned;
    };
    using K = FailureKind;
    const Case cases[] = {
        {"the source's own size", {}, {}, false, {100, 80}, {}, {100, 80}},
        {"-w keeps the height", 50, {}, false, {100, 80}, {}, {50, 80}},
        {"-v aligns the width up", {}, {}, true, {100, 8}, {}, {112, 8}},
        {"-v aligns -w's width", 64, {}, true, {100, 2}, {}, {80, 2}},
        {"2047 fits the v7 header", 2047, 1, false, {10, 10}, {}, {2047, 1}},
        // An empty source comes first, even when it is also far too large to decode.
        {"empty and undecodable", {}, {}, false, {0, 20000}, K::invalid_size, {}},
        {"a side below 1", 0, {}, false, {10, 10}, K::invalid_size, {}},
        // The output limit comes before the header's and before the decode ceiling.
        {"over 2500, over 16384 source", 2501, {}, false, {20000, 10}, K::size_limit, {}},
        {"-v aligns past 2500", 2500, {}, true, {10, 10}, K::size_limit, {}},
        // The header's 11 bits come before the decode ceiling.
        {"2048, over 16384 source", 2048, 1, false, {20000, 10}, K::lvgl_v7_size_limit, {}},
        {"2048 high", {}, 2048, false, {10, 10}, K::lvgl_v7_size_limit, {}},
        {"a source over 16384 shrunk", 100, 100, false, {16385, 10}, K::too_large_to_decode, {}},
        {"a source over 2^28 pixels shrunk", 100, 100, false, {16384, 16385}, K::too_large_to_decode, {}},
    };
    for (const Case& c : cases) {
        Options options;
        options.width = c.width;
        options.height = c.height;
        options.zintra = c.zintra;
        const auto planned = plan_size(options, c.source);
        if (c.refused) {
            ASSERT_FALSE(planned.ok()) << c.what;
            EXPECT_EQ(planned.error().kind, *c.refused) << c.what;
        } else {
            ASSERT_TRUE(planned.ok()) << c.what;
            EXPECT_EQ(planned.value().width, c.planned.width) << c.what;
            EXPECT_EQ(planned.value().height, c.planned.height) << c.what;
        }
    }
}

}  // namespace
}  // namespace pixmint
