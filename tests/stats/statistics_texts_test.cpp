#include "stats/statistics_texts.h"

#include <gtest/gtest.h>

#include "stats/calc_statistics.h"
#include "stats/general_page_texts.h"
#include "stats/stat_items.h"
#include "stats/statistics_mode.h"
#include "stats_test_support.h"

namespace klv {
namespace {

using test::Measured;
using test::NickelCopper;

// Nickel 1, 2 and 4 µm, copper three times 1.1 µm; limit check on with nickel limits 0.5-5.
struct ThreeData : ::testing::Test {
    MeasFileData d = NickelCopper();
    test::StoredLog log;

    ThreeData() {
        d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
        d.bStatMode = kStatModeN;
        d.limits[0].fUpperLimit = 5.0f;
        d.limits[0].fLowerLimit = 0.5f;
        log.Add({Measured(1.0f), Measured(1.1f)});
        log.Add({Measured(2.0f), Measured(1.1f)});
        log.Add({Measured(4.0f), Measured(1.1f)});
    }
    StatisticsTexts Texts() { return BuildStatisticsTexts(CalcStatistics(log.items, 3, d), d, 3); }
};

TEST_F(ThreeData, BlockHoldsTheTextsWithoutLeadingBlanks) {
    const StatisticsTextBlock b = Texts().block;
    EXPECT_STREQ(b.szCoat[0], "Ni");
    EXPECT_STREQ(b.szCoat[1], "Cu");
    EXPECT_STREQ(b.szCoat[2], "");
    EXPECT_STREQ(b.szBase, "Fe");
    EXPECT_STREQ(b.szUnit, "um");
    EXPECT_STREQ(b.szDataCt, "3");
    EXPECT_STREQ(b.szTotal[0], "7.0");
    EXPECT_STREQ(b.szMaximum[0], "4.0");
    EXPECT_STREQ(b.szMinimum[0], "1.0");
    EXPECT_STREQ(b.szAverage[0], "2.3");
    EXPECT_STREQ(b.szRange[0], "3.0");
    // 1.2472191, -1.4083241 and 6.0749907 printed with "%f" and cut to 6 characters.
    EXPECT_STREQ(b.szStdDev[0], "1.2472");
    EXPECT_STREQ(b.sz3SigmaLow[0], "-1.408");
    EXPECT_STREQ(b.sz3SigmaHigh[0], "6.0749");
    EXPECT_STREQ(b.szUpperLimit[0], "5.000000");
    EXPECT_STREQ(b.szLowerLimit[0], "0.500000");
    EXPECT_STREQ(b.szTotal[1], "3.3");
    EXPECT_STREQ(b.szStdDev[1], "0.0000") << "never a text of an undefined number";
    EXPECT_STREQ(b.sz3SigmaLow[1], "1.1000");
    EXPECT_STREQ(b.szUpperLimit[1], "0.000000");
    EXPECT_STREQ(b.szTotal[2], "");
    EXPECT_STREQ(b.szUpperLimit[2], "");
}

TEST_F(ThreeData, ListKeepsTheBlanksAndLabelsTheRowsWithTheUnit) {
    const StatisticsTexts t = Texts();
    EXPECT_EQ(t.columnTitles[0], "Ni");
    EXPECT_EQ(t.columnTitles[1], "Cu");
    EXPECT_EQ(t.columnTitles[2], "");
    const std::array<std::string, kStatisticsListRows> labels = {
        "Total[um]", "Maximum[um]",        "Minimum[um]",    "Average[um]",
        "R [um]",    "Standard deviation", "3a Lower limit", "3a Upper limit"};
    EXPECT_EQ(t.rowLabels, labels);
    const std::array<std::string, kStatisticsListRows> nickel = {
        "   7.0", "   4.0", "   1.0", "   2.3", "   3.0", "1.2472", "-1.408", "6.0749"};
    for (int row = 0; row < kStatisticsListRows; ++row)
        EXPECT_EQ(t.cells[row][0], nickel[row]) << row;
}

TEST_F(ThreeData, SpreadStaysEmptyBelowTwoValuesAndLimitsWithoutTheCheck) {
    d.bStatFlags = kStatTotalOn;
    d.bUnit = kUnitMil;
    d.coat[0].bRange = test::kRange4_10;
    const StatisticsTexts t = BuildStatisticsTexts(CalcStatistics(log.items, 1, d), d, 1);
    EXPECT_STREQ(t.block.szDataCt, "1");
    EXPECT_STREQ(t.block.szUnit, "mil");
    EXPECT_EQ(t.rowLabels[0], "Total[mil]");
    EXPECT_STREQ(t.block.szAverage[0], "0.039") << "1 µm is 0.03937 mil, with 3 decimals";
    EXPECT_STREQ(t.block.szStdDev[0], "");
    EXPECT_STREQ(t.block.sz3SigmaHigh[0], "");
    EXPECT_EQ(t.cells[5][0], "");
    EXPECT_STREQ(t.block.szUpperLimit[0], "");
    EXPECT_STREQ(t.block.szLowerLimit[0], "");
}

TEST_F(ThreeData, StatItemsInTheTopicsOrder) {
    const std::vector<StatItem> items = ListStatItems(Texts().block);
    ASSERT_EQ(items.size(), 3u + 11u * 6u);
    std::vector<std::string> names;
    for (const StatItem& i : items)
        names.push_back(i.name);
    const std::vector<std::string> head = {
        "DATACT", "BASE",  "UNIT",   "COAT",   "COAT1",  "COAT2",  "COAT3",  "COAT4",
        "COAT5",  "TOTAL", "TOTAL1", "TOTAL2", "TOTAL3", "TOTAL4", "TOTAL5", "MAX"};
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 16), head);
    const std::vector<std::string> groups = {"MAX",     "MIN",     "AVERAGE", "RANGE", "STDEV",
                                             "L3SIGMA", "H3SIGMA", "HLIMIT",  "LLIMIT"};
    for (std::size_t g = 0; g < groups.size(); ++g)
        EXPECT_EQ(names[15 + g * 6], groups[g]);
    EXPECT_EQ(names.back(), "LLIMIT5");
    EXPECT_EQ(items[0].text, "3");
    EXPECT_EQ(items[3].text, "Ni") << "COAT is COAT1";
    EXPECT_EQ(items[5].text, "Cu");
    EXPECT_EQ(items[9].text, "7.0");
    EXPECT_EQ(items[11].text, "3.3");
    EXPECT_EQ(items[12].text, "");
}

TEST(GeneralPageTexts, StaticsAndTheGroupModeLine) {
    MeasFileData d = NickelCopper();
    d.nItemCt = 7;
    d.wFirstDate = PackDate(2026, 1, 5);
    d.wLastDate = PackDate(2026, 2, 28);
    StatisticsSelection s = InitialStatisticsSelection(d, 4, 6);
    EXPECT_EQ(s.mode, GroupMode::AllData);
    EXPECT_EQ(s.nPartialBegin, 0);
    EXPECT_EQ(s.nPartialEnd, 2) << "the last complete data";
    EXPECT_EQ(s.nRegularBegin, 0);
    EXPECT_EQ(s.nInterval, 4);
    EXPECT_EQ(s.nGroupSize, 6);

    const GeneralPageTexts t = BuildGeneralPageTexts(d, 11, s, 3);
    EXPECT_EQ(t.file, "12 : Test");
    EXPECT_EQ(t.dates, "2026/01/05--2026/02/28");
    EXPECT_EQ(t.totalData, "3");
    EXPECT_EQ(t.groupMode, "All the data");
    EXPECT_EQ(t.dataNumber, "3");
    d.nItemCt = 0;
    EXPECT_EQ(BuildGeneralPageTexts(d, 0, s, 0).dates, "");

    s.nPartialBegin = 2;
    s.nPartialEnd = 6;
    s.nRegularBegin = 1;
    const std::pair<GroupMode, const char*> lines[] = {
        {GroupMode::PartialData, "Partial data(Beginning= 3   End= 7 )"},
        {GroupMode::RegularInterval, "Regular interval data(Beginning= 2   Interval= 4)"},
        {GroupMode::FixedGroupAverage,
         "Average value of each fixed data (Data number of one set= 6)"},
        {GroupMode::DailyAverage, "Average value of daily measurement"},
        {static_cast<GroupMode>(4), ""},
    };
    for (const auto& [mode, line] : lines) {
        s.mode = mode;
        EXPECT_EQ(FormatGroupModeText(s), line);
    }
}

}  // namespace
}  // namespace klv
