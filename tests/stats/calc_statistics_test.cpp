#include "stats/calc_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/statistics_mode.h"
#include "stats/statistics_texts.h"
#include "stats_test_support.h"

namespace klv {
namespace {

using test::Layer;
using test::Measured;
using test::NickelCopper;
using test::StoredLog;

// Nickel 1, 2 and 4 µm; copper three times 1.1 µm, whose squares in single precision sum to
// slightly less than three times the square of their mean.
StoredLog ThreeData() {
    StoredLog log;
    log.Add({Measured(1.0f), Measured(1.1f)});
    log.Add({Measured(2.0f), Measured(1.1f)});
    log.Add({Measured(4.0f), Measured(1.1f)});
    return log;
}

StatisticsResult Calc(const StoredLog& log, const MeasFileData& d, std::uint32_t data) {
    return CalcStatistics(log.items, data, d);
}

TEST(CalcStatistics, CountsEveryLayerOfEveryData) {
    MeasFileData d = NickelCopper();
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = kStatModeN;
    const StatisticsResult r = Calc(ThreeData(), d, 3);
    EXPECT_EQ(r.nDataCt, 3u);
    const LayerStatistics& ni = r.layer[0];
    EXPECT_EQ(ni.nCount, 3u);
    EXPECT_EQ(ni.dMaximum, 4.0);
    EXPECT_EQ(ni.dMinimum, 1.0);
    EXPECT_EQ(ni.dTotal, 7.0);
    EXPECT_EQ(ni.dSquareTotal, 21.0);
    EXPECT_DOUBLE_EQ(ni.dAverage, 7.0 / 3.0);
    EXPECT_EQ(ni.dRange, 3.0);
    // Variance 21/3 - (7/3)² = 14/9.
    EXPECT_NEAR(ni.dStdDev, 1.2472191289, 1e-9);
    EXPECT_NEAR(ni.d3SigmaLow, -1.4083240534, 1e-9);
    EXPECT_NEAR(ni.d3SigmaHigh, 6.0749907201, 1e-9);
    EXPECT_EQ(ni.fStdDevActive, 1);
    EXPECT_EQ(r.layer[2].nCount, 0u);
    EXPECT_EQ(r.layer[2].fStdDevActive, 0);
}

TEST(CalcStatistics, SampleModeWidensTheStandardDeviation) {
    MeasFileData d = NickelCopper();
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = kStatModeNMinus1;
    const StatisticsResult r = Calc(ThreeData(), d, 3);
    // Σ(v - avg)² = 14/3 over n - 1 = 2.
    EXPECT_NEAR(r.layer[0].dStdDev, std::sqrt(7.0 / 3.0), 1e-12);
    d.bStatMode = kStatModeN;
    EXPECT_NEAR(r.layer[0].dStdDev / Calc(ThreeData(), d, 3).layer[0].dStdDev, std::sqrt(1.5),
                1e-12);
}

TEST(CalcStatistics, EqualValuesHaveNoSpreadEvenWhenRoundingSaysLess) {
    MeasFileData d = NickelCopper();
    const LayerStatistics cu = Calc(ThreeData(), d, 3).layer[1];
    ASSERT_LT(cu.dSquareTotal / 3 - cu.dAverage * cu.dAverage, 0.0) << "the case to mend";
    EXPECT_EQ(cu.dStdDev, 0.0);
    EXPECT_EQ(cu.d3SigmaLow, cu.dAverage);
    EXPECT_EQ(cu.d3SigmaHigh, cu.dAverage);
    EXPECT_EQ(cu.fStdDevActive, 1);
    EXPECT_EQ(cu.dRange, 0.0);
}

TEST(CalcStatistics, OneValueHasAnAverageButNoStandardDeviation) {
    MeasFileData d = NickelCopper();
    StoredLog log;
    log.Add({Measured(2.5f), test::NoValue()});
    log.Add({Measured(9.0f), Measured(9.0f)});
    const StatisticsResult r = Calc(log, d, 1);
    EXPECT_EQ(r.nDataCt, 1u) << "only the data asked for";
    EXPECT_EQ(r.layer[0].dAverage, 2.5);
    EXPECT_EQ(r.layer[0].dRange, 0.0);
    EXPECT_EQ(r.layer[0].fStdDevActive, 0);
    EXPECT_EQ(r.layer[0].dStdDev, 0.0);
    EXPECT_EQ(r.layer[1].nCount, 0u) << "a layer without value is left out";
}

// A failed layer leaves its layer's count, extremes, average and spread as if it were not there;
// the other layers of the same data still count. Values 2, 4, 6 have mean 4 and spread √(8/3).
TEST(CalcStatistics, LayersWithoutAValueAreLeftOut) {
    MeasFileData d = NickelCopper();
    StoredLog log;
    log.Add({Measured(2.0f), Measured(1.0f)});
    log.Add({test::NoValue(), Measured(2.0f)});
    log.Add({Measured(4.0f), test::NoValue()});
    log.Add({Measured(6.0f), Measured(3.0f)});
    const StatisticsResult r = Calc(log, d, 4);
    const LayerStatistics& ni = r.layer[0];
    EXPECT_EQ(ni.nCount, 3u);
    EXPECT_EQ(ni.dMinimum, 2.0);
    EXPECT_EQ(ni.dAverage, 4.0);
    EXPECT_NEAR(ni.dStdDev, std::sqrt(8.0 / 3.0), 1e-12);
    EXPECT_EQ(r.layer[1].nCount, 3u);
    EXPECT_EQ(r.layer[1].dAverage, 2.0);

    // Tin over alloy over copper: an alloy layer without a value leaves every item made of it
    // out, solid tin and solid copper still count.
    MeasFileData alloy =
        test::Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    StoredLog split;
    split.Add({Measured(2.0f), test::NoValue(), Measured(3.0f)});
    const StatisticsResult a = Calc(split, alloy, 1);
    EXPECT_EQ(a.layer[0].nCount, 1u);
    EXPECT_EQ(a.layer[1].nCount, 0u);
    EXPECT_EQ(a.layer[3].nCount, 1u);
}

TEST(CalcStatistics, TwoValuesOfAOneLayerConditionHaveASpread) {
    MeasFileData d = test::Condition({Layer(16, "Ni")});
    StoredLog log;
    log.Add({Measured(1.0f)});
    log.Add({Measured(3.0f)});
    const LayerStatistics ni = Calc(log, d, 2).layer[0];
    EXPECT_EQ(ni.nCount, 2u);
    EXPECT_EQ(ni.dAverage, 2.0);
    EXPECT_EQ(ni.dStdDev, 1.0);
    EXPECT_EQ(ni.fStdDevActive, 1);
}

TEST(CalcStatistics, ValuesAreInTheConditionsUnitAndNoDataGiveZeros) {
    MeasFileData d = NickelCopper();
    d.bUnit = kUnitNanometre;
    StatisticsResult r = Calc(ThreeData(), d, 3);
    EXPECT_NEAR(r.layer[0].dAverage, 7000.0 / 3.0, 1e-3);
    r = Calc(ThreeData(), d, 0);
    EXPECT_EQ(r.nDataCt, 0u);
    EXPECT_EQ(r.layer[0].nCount, 0u);
    EXPECT_EQ(r.layer[0].dMaximum, 0.0);
    EXPECT_EQ(Calc(ThreeData(), d, 9).nDataCt, 3u) << "never past the entries given";
}

// Tin over an alloy layer over copper (tin 0.25, copper 0.323 of the alloy): the columns are
// solid tin, tin of the alloy, all tin, solid copper and all copper, each under its own title,
// the totals with the limits of the tin and the copper layer.
TEST(CalcStatistics, TinAlloyColumnsAreTheFiguresOfTheSplit) {
    MeasFileData d =
        test::Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.bStatFlags = kStatLimitCheckOn;
    d.limits[0].fUpperLimit = 9;
    d.limits[2].fUpperLimit = 20;
    StoredLog log;
    log.Add({Measured(2.0f), Measured(1.2f), Measured(3.0f)});
    log.Add({Measured(1.0f), Measured(0.4f), Measured(5.0f)});
    log.Add({Measured(4.0f), Measured(0.8f), MsrLogRecord{}});  // copper never measured
    const StatisticsResult r = Calc(log, d, 3);
    EXPECT_EQ(r.layer[0].dTotal, 7.0);
    EXPECT_NEAR(r.layer[1].dTotal, 0.6, 1e-6) << "0.3 + 0.1 + 0.2 of alloy tin";
    EXPECT_NEAR(r.layer[2].dTotal, 7.6, 1e-5);
    EXPECT_EQ(r.layer[2].nCount, 3u);
    EXPECT_EQ(r.layer[3].dTotal, 8.0) << "solid copper";
    EXPECT_EQ(r.layer[3].nCount, 2u);
    EXPECT_NEAR(r.layer[4].dTotal, 8.0 + 1.6 * 0.323, 1e-5) << "all copper";
    const StatisticsTexts t = BuildStatisticsTexts(r, d, 3);
    EXPECT_EQ(t.columnTitles, (std::array<std::string, kMaxLayers>{
                                  "Solid Sn", "Sn of alloy", "All Sn", "Solid Cu", "All Cu"}));
    EXPECT_STREQ(t.block.szCoat[4], "All Cu");
    EXPECT_STREQ(t.block.szAverage[4], "4.3");
    // Every tin and copper figure is a thickness of its own layer's format, never the alloy's.
    const char* averages[] = {"2.3", "0.2", "2.5", "4.0"};
    for (int k = 0; k < 4; ++k)
        EXPECT_STREQ(t.block.szAverage[k], averages[k]) << k;
    EXPECT_STREQ(t.block.szUpperLimit[0], "") << "solid tin is judged by nothing";
    EXPECT_STREQ(t.block.szUpperLimit[2], "9.000000");
    EXPECT_STREQ(t.block.szUpperLimit[4], "20.000000");

    // Nickel, tin, alloy, copper: the alloy layer's own item is empty and counts nothing.
    MeasFileData plain = test::Condition(
        {Layer(16, "Ni"), Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    StoredLog four;
    four.Add({Measured(1.0f), Measured(2.0f), Measured(0.8f), Measured(3.0f)});
    const StatisticsResult p = Calc(four, plain, 1);
    EXPECT_EQ(p.layer[1].dTotal, 2.2f) << "tin with the alloy's tin share";
    EXPECT_EQ(p.layer[2].nCount, 0u);
    EXPECT_NEAR(p.layer[3].dTotal, 3.2584, 1e-5) << "copper with 0.323 of the alloy";
}

}  // namespace
}  // namespace klv
