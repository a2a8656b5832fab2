#include "stats/stat_item_rules.h"

#include <gtest/gtest.h>

#include "stats/statistics_mode.h"
#include "stats_test_support.h"

namespace klv {
namespace {

TEST(StatItemRules, ModeAndLimitCheckSetTheirFlagsOnly) {
    MeasFileData d = test::NickelCopper();
    d.bStatFlags = 0x20;  // a bit statistics do not use stays
    SetStatisticsMode(d, 2);
    EXPECT_EQ(d.bStatFlags, 0x21);
    EXPECT_EQ(d.bStatMode, kStatModeNMinus1);
    SetLimitCheck(d, true);
    EXPECT_EQ(d.bStatFlags, 0x31);
    SetStatisticsMode(d, 0);
    EXPECT_EQ(d.bStatFlags, 0x30);
    EXPECT_EQ(d.bStatMode, kStatModeNone);
    SetLimitCheck(d, false);
    EXPECT_EQ(d.bStatFlags, 0x20);
}

TEST(StatItemRules, AlloyAndUnusedLayersHaveNoLimitRowAndLoseTheirLimits) {
    MeasFileData d =
        test::Condition({test::Layer(11, "Sn"), test::AlloyLayer(), test::Layer(5, "Cu")});
    for (LayerLimits& l : d.limits)
        l = {{1, 2, 3, 4}, 5.0f, 1.0f};
    EXPECT_EQ(LimitRowLayers(d), (std::vector<int>{0, 2}));
    ClearUnlistedLimits(d);
    EXPECT_EQ(d.limits[0].fUpperLimit, 5.0f);
    EXPECT_EQ(d.limits[2].reserved[3], 4);
    for (int k : {1, 3, 4}) {
        EXPECT_EQ(d.limits[k].fUpperLimit, 0.0f) << k;
        EXPECT_EQ(d.limits[k].fLowerLimit, 0.0f) << k;
        EXPECT_EQ(d.limits[k].reserved[0], 0) << k;
    }
}

TEST(StatItemRules, TotalIsOneTo99999AndNotBelowTheStoredData) {
    const struct {
        const char* text;
        std::uint32_t data;
        StatTotalCheck check;
    } cases[] = {{"1", 0, StatTotalCheck::Ok},         {"99999", 5, StatTotalCheck::Ok},
                 {"0", 0, StatTotalCheck::OutOfRange}, {"100000", 0, StatTotalCheck::OutOfRange},
                 {"", 0, StatTotalCheck::OutOfRange},  {"1.5", 0, StatTotalCheck::OutOfRange},
                 {"4", 5, StatTotalCheck::BelowData},  {"5", 5, StatTotalCheck::Ok}};
    for (const auto& c : cases) {
        std::int32_t total = -1;
        EXPECT_EQ(CheckStatTotal(c.text, c.data, total), c.check) << c.text;
    }
}

TEST(StatItemRules, LimitEditsShowSixSignificantCharactersInTheUnit) {
    EXPECT_EQ(FormatLimitEdit(12.5f, 1), "12.5");
    EXPECT_EQ(FormatLimitEdit(50.8f, 3), "2");
    EXPECT_EQ(FormatLimitEdit(1.23456789f, 1), "1.2346");
    EXPECT_EQ(FormatLimitEdit(0.0f, 1), "0");
}

}  // namespace
}  // namespace klv
