#include "stats/statistics_mode.h"

#include <gtest/gtest.h>

#include "reference/condition_rules.h"
#include "stats/gross_statistics_reached.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

MeasFileData WithMode(std::uint8_t flags, std::uint8_t mode) {
    MeasFileData d = Condition({Layer(16, "Ni")});
    d.bStatFlags = flags;
    d.bStatMode = mode;
    return d;
}

TEST(StatisticsModeTable, RowsAsTheListShowsThem) {
    ASSERT_EQ(StatisticsModeTable.size(), 3u);
    EXPECT_EQ(StatisticsModeTable[0].text, "None");
    EXPECT_EQ(StatisticsModeTable[1].text, "N");
    EXPECT_EQ(StatisticsModeTable[2].text, "N-1");
    EXPECT_EQ(StatisticsModeTable[0].wFlags, 1);
    EXPECT_EQ(StatisticsModeTable[1].wFlags, 1);
    EXPECT_EQ(StatisticsModeTable[2].wFlags, 2);
}

TEST(StdDevFactor, OnlyTheSampleModeWithStatisticsOnDividesByNMinusOne) {
    struct Case {
        std::uint8_t flags;
        std::uint8_t mode;
        int n;
        double factor;
    };
    const Case cases[] = {
        {kStatTotalOn, kStatModeNMinus1, 4, 4.0 / 3.0},
        {kStatTotalOn | kStatLimitCheckOn, kStatModeNMinus1, 2, 2.0},
        {kStatTotalOn, kStatModeNMinus1, 100, 100.0 / 99.0},
        {kStatTotalOn, kStatModeN, 4, 1.0},
        {kStatTotalOn, kStatModeNone, 4, 1.0},
        {kStatLimitCheckOn, kStatModeNMinus1, 4, 1.0},  // statistics off
        {kStatTotalOn, 7, 4, 1.0},                      // damaged mode code
        {kStatTotalOn, kStatModeNMinus1, 1, 1.0},       // never divides by zero
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(StdDevFactor(WithMode(c.flags, c.mode), c.n), c.factor)
            << int(c.flags) << " " << int(c.mode) << " " << c.n;
}

TEST(GrossStatisticsReached, AnIncompleteLastDataCountsUnlikeTheFullChannelRule) {
    MeasFileData d = Condition({Layer(16, "Ni"), Layer(5, "Cu")});
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 3;
    d.nItemCt = 4;  // two data
    EXPECT_FALSE(GrossStatisticsReached(d));
    d.nItemCt = 5;  // the third data has its first layer
    EXPECT_TRUE(GrossStatisticsReached(d));
    EXPECT_FALSE(IsTotalReached(d));
    d.nItemCt = 6;
    EXPECT_TRUE(GrossStatisticsReached(d));
    d.nItemCt = 40;
    EXPECT_TRUE(GrossStatisticsReached(d)) << "past the total";

    d.bStatFlags = kStatLimitCheckOn;
    EXPECT_FALSE(GrossStatisticsReached(d)) << "statistics off";
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 0;
    EXPECT_FALSE(GrossStatisticsReached(d)) << "no total";
    d.nStatTotal = -1;
    EXPECT_FALSE(GrossStatisticsReached(d)) << "damaged total";

    MeasFileData empty = Condition({});
    empty.bStatFlags = kStatTotalOn;
    empty.nStatTotal = 1;
    empty.nItemCt = 3;
    EXPECT_FALSE(GrossStatisticsReached(empty)) << "no layers";
}

}  // namespace
}  // namespace klv
