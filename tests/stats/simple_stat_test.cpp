#include <gtest/gtest.h>

#include "reference/condition_store.h"
#include "stats/form_groups.h"
#include "stats/simple_stat_data.h"
#include "stats/simple_stat_layout.h"
#include "stats/simple_stat_rows.h"
#include "stats/statistics_mode.h"
#include "stats_test_support.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Measured;
using test::NoValue;
using test::StoredLog;

MeasFileData WithMode(std::uint8_t mode) {
    MeasFileData d = test::NickelCopper();
    d.bStatFlags = mode == kStatModeNone ? 0 : kStatTotalOn;
    d.bStatMode = mode;
    return d;
}

// Ni 1, 2, 3, 4 and Cu 10, no value, 30; the fourth data has its first layer only.
StoredLog MixedLog() {
    StoredLog log;
    log.Add({Measured(1.0f), Measured(10.0f)});
    log.Add({Measured(2.0f), NoValue()});
    log.Add({Measured(3.0f), Measured(30.0f)});
    log.Add({Measured(4.0f), MsrLogRecord{}});
    return log;
}

SimpleStatTexts Build(MeasFileData d, const StoredLog& log, std::uint32_t itemCt) {
    d.nItemCt = itemCt;
    return BuildSimpleStatTexts(d, 0, log.items);
}

TEST(SimpleStatRows, CellsLeaveNoValueAndUnstoredLayersOut) {
    const SimpleStatTexts t = Build(WithMode(kStatModeN), MixedLog(), 7);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0].number, "1");
    EXPECT_EQ(t.rows[3].number, "4");
    EXPECT_EQ(t.rows[0].cells[0], "   1.0");
    EXPECT_EQ(t.rows[1].cells[1], " -----");
    EXPECT_EQ(t.rows[3].cells[0], "   4.0");
    EXPECT_EQ(t.rows[3].cells[1], "");
    // Ni: mean 2.5, population spread sqrt(7.5 - 6.25); Cu: 10 and 30 only.
    EXPECT_EQ(t.average[0], "   2.5");
    EXPECT_EQ(t.stdDev[0], "1.1180");
    EXPECT_EQ(t.average[1], "  20.0");
    EXPECT_EQ(t.stdDev[1], "10.000");
    EXPECT_EQ(t.average[2], "");
}

TEST(SimpleStatRows, SampleSpreadIsLargerByTheRootOfNOverNMinusOne) {
    const StoredLog log = MixedLog();
    EXPECT_EQ(Build(WithMode(kStatModeNMinus1), log, 7).stdDev[0], "1.2909");
    // Statistics off count as "N".
    EXPECT_EQ(Build(WithMode(kStatModeNone), log, 7).stdDev[0], "1.1180");
}

TEST(SimpleStatRows, OneValueHasAnAverageAndNoSpreadAndEqualValuesSpreadZero) {
    StoredLog log;
    log.Add({Measured(2.5f), MsrLogRecord{}});
    const SimpleStatTexts one = Build(WithMode(kStatModeN), log, 1);
    EXPECT_EQ(one.average[0], "   2.5");
    EXPECT_EQ(one.stdDev[0], "");
    EXPECT_EQ(one.average[1], "");
    StoredLog equal;
    for (int i = 0; i < 10; ++i)
        equal.Add({Measured(1.1f), Measured(1.1f)});
    // Rounding would leave a negative variance: its root is no number.
    EXPECT_EQ(Build(WithMode(kStatModeN), equal, 20).stdDev[0], "0.0000");
}

TEST(SimpleStatRows, TwoValuesOfAOneLayerConditionHaveASpread) {
    MeasFileData d = test::Condition({test::Layer(16, "Ni")});
    d.nItemCt = 2;
    StoredLog log;
    log.Add({Measured(1.0f)});
    log.Add({Measured(3.0f)});
    const SimpleStatTexts t = BuildSimpleStatTexts(d, 0, log.items);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[1].cells[0], "   3.0");
    EXPECT_EQ(t.average[0], "   2.0");
    EXPECT_EQ(t.stdDev[0], "1.0000");
}

TEST(SimpleStatRows, ValuesAreShownInTheConditionsUnitAndNumberedFromTheFirstShown) {
    MeasFileData d = WithMode(kStatModeN);
    d.bUnit = 3;  // mil: 25.4 µm, two decimals on this range
    d.nItemCt = 40;
    StoredLog log;
    log.Add({Measured(50.8f), Measured(25.4f)});
    const SimpleStatTexts t = BuildSimpleStatTexts(d, 19, log.items);
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].number, "20");
    EXPECT_EQ(t.rows[0].cells[0], "  2.00");
    EXPECT_EQ(t.rows[0].cells[1], "  1.00");
}

TEST(SimpleStatRange, LatestDataFromTheHideIndexOn) {
    struct Case {
        std::uint32_t itemCt;
        std::uint32_t hide;
        int shown;
        std::uint32_t first, rows, hideAfter;
    };
    const Case cases[] = {
        {50, 0, 10, 15, 10, 0},   // 25 data, 10 shown: 16 to 25
        {50, 0, 100, 0, 25, 0},   // fewer data than shown
        {50, 20, 10, 20, 5, 20},  // the hide index hides more than the count
        {51, 25, 10, 25, 1, 25},  // an incomplete data after "Delete the indication"
        {50, 40, 10, 25, 0, 25},  // a hide index past the data comes back to their end
        {0, 0, 10, 0, 0, 0},
    };
    for (const Case& c : cases) {
        MeasFileData d = test::NickelCopper();
        d.nItemCt = c.itemCt;
        std::uint32_t hide = c.hide;
        const SimpleStatRange r = GetSimpleStatRange(d, hide, c.shown);
        EXPECT_EQ(r.first, c.first) << c.itemCt << " " << c.hide;
        EXPECT_EQ(r.rows, c.rows) << c.itemCt << " " << c.hide;
        EXPECT_EQ(hide, c.hideAfter) << c.itemCt << " " << c.hide;
    }
}

struct SimpleStatDisplay : ::testing::Test {
    test::TempDir dir;
    test::ScriptedOperator op;
    ConditionStore store{dir.Path(), op};
    MeasFileData d = WithMode(kStatModeN);

    void SetUp() override { ASSERT_TRUE(store.CreateConditionDirectories()); }
    // `count` data of 2 layers, data n (1-based) holding n and 100 + n.
    void Store(int count, int extraItems = 0) {
        StoredLog log;
        for (int n = 1; n <= count; ++n)
            log.Add({Measured(static_cast<float>(n)), Measured(100.0f + n)});
        for (int i = 0; i < extraItems; ++i)
            log.Add({Measured(static_cast<float>(count + 1))});
        d.nItemCt = static_cast<std::uint32_t>(log.items.size());
        ASSERT_TRUE(WriteMsrLogFile(store, 0, log.items.data(), 0, d.nItemCt));
    }
};

TEST_F(SimpleStatDisplay, TenOfTwentyFiveShowDataSixteenToTwentyFiveAndTheirStatistics) {
    Store(25);
    CSimpleStatData panel(10);
    panel.Display(store, &d, 0);
    const SimpleStatTexts& t = panel.Texts();
    ASSERT_EQ(t.rows.size(), 10u);
    EXPECT_EQ(t.rows.front().number, "16");
    EXPECT_EQ(t.rows.back().number, "25");
    EXPECT_EQ(t.rows.back().cells[1], " 125.0");
    EXPECT_EQ(t.average[0], "  20.5");
    EXPECT_TRUE(panel.CanDeleteIndication());
    CSimpleStatData latestOnly(1);
    latestOnly.Display(store, &d, 0);
    ASSERT_EQ(latestOnly.Texts().rows.size(), 1u);
    EXPECT_EQ(latestOnly.Texts().rows[0].number, "25");
}

TEST_F(SimpleStatDisplay, DeleteTheIndicationHidesUntilTheNextDataWhichKeepsItsNumber) {
    Store(3);
    CSimpleStatData panel(100);
    panel.Display(store, &d, 0);
    panel.DeleteIndication();
    panel.Display(store, &d, 0);
    EXPECT_TRUE(panel.Texts().rows.empty());
    EXPECT_FALSE(panel.CanDeleteIndication());
    Store(3, 1);  // the fourth data's first layer
    panel.Display(store, &d, 0);
    ASSERT_EQ(panel.Texts().rows.size(), 1u);
    EXPECT_EQ(panel.Texts().rows[0].number, "4");
    EXPECT_EQ(panel.Texts().rows[0].cells[1], "");
    EXPECT_EQ(panel.Texts().average[0], "   4.0");
    // Only complete data can be hidden.
    EXPECT_FALSE(panel.CanDeleteIndication());
    panel.ResetHideIndex();
    panel.Display(store, &d, 0);
    EXPECT_EQ(panel.Texts().rows.size(), 4u);
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(SimpleStatDisplay, NoConditionOrAnUnreadableLogLeavesThePanelEmpty) {
    Store(3);
    CSimpleStatData panel(0);
    EXPECT_EQ(panel.ShownCount(), kSimpleStatDefaultDataCt);
    EXPECT_FALSE(panel.SetShownCount(kSimpleStatDefaultDataCt));
    EXPECT_TRUE(panel.SetShownCount(20));
    panel.Display(store, &d, 0);
    EXPECT_EQ(panel.Texts().rows.size(), 3u);
    panel.Display(store, nullptr, 0);
    EXPECT_TRUE(panel.Texts().rows.empty());
    EXPECT_FALSE(panel.CanDeleteIndication());
    d.nItemCt = 20;  // more than the file holds
    panel.Display(store, &d, 0);
    EXPECT_TRUE(panel.Texts().rows.empty());
    EXPECT_FALSE(op.Messages().empty());
}

TEST(SimpleStatLayout, CellsDividersScrollAndDrag) {
    const SimpleStatColumns c;
    EXPECT_EQ(c.CellLeft(0, 7), 50);
    EXPECT_EQ(c.CellLeft(2, 7), 50 + 112);
    EXPECT_EQ(SimpleStatColumns::CellWidth(7), 42);
    EXPECT_EQ(c.ClipRight(), 317);
    const SimpleStatScroll s = GetSimpleStatScroll(c, 204);
    EXPECT_EQ(s.page, 200);
    EXPECT_EQ(s.maximum, 115);
    EXPECT_EQ(s.lineStep, 50);
    EXPECT_EQ(s.pageStep, 175);
    EXPECT_EQ(GetSimpleStatScroll(c, 1000).maximum, 0);
    const struct {
        int x;
        SimpleStatDivider hit;
    } hits[] = {{43, SimpleStatDivider::None},    {44, SimpleStatDivider::First},
                {49, SimpleStatDivider::First},   {50, SimpleStatDivider::None},
                {314, SimpleStatDivider::None},   {315, SimpleStatDivider::Second},
                {320, SimpleStatDivider::Second}, {321, SimpleStatDivider::None}};
    for (const auto& h : hits)
        EXPECT_EQ(HitSimpleStatDivider(c, h.x), h.hit) << h.x;
    EXPECT_EQ(DragSimpleStatWidth(46, 30), 76);
    EXPECT_EQ(DragSimpleStatWidth(46, -40), 16);
    const SimpleStatColumns stored = SimpleStatColumns::FromSettings(-5, 300);
    EXPECT_EQ(stored.col0, 16);
    EXPECT_EQ(stored.col1, 300);
}

}  // namespace
}  // namespace klv
