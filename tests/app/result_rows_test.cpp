#include "app/result_rows.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

// Tin over an alloy layer over copper, the tin total above its upper limit and the copper
// total below its lower limit, all three layers measured.
std::vector<ResultRow> TinAlloyCopperRows(bool plain) {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.bStatFlags = kStatLimitCheckOn;
    d.limits[0] = {{}, 2.2f, 1.0f};
    d.limits[2] = {{}, 10.0f, 3.5f};
    const MsrLogRecord measured[] = {Measured(2.0f), Measured(1.2f), Measured(3.0f)};
    SyntheticResult r;
    EditSyntheticResult(d, measured, r, plain);
    return MakeResultRows(r);
}

TEST(ResultRows, EveryItemOfTheTinAlloyFormIsARowWithItsTexts) {
    std::vector<ResultRow> rows = TinAlloyCopperRows(false);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].columns[0], "Solid Sn layer    ");
    EXPECT_EQ(rows[0].columns[1], "   2.0 um         ");
    EXPECT_EQ(rows[0].columns[2], "0.1358 mg");
    EXPECT_EQ(rows[0].columns[3], " 14.62 g/m%0");
    EXPECT_EQ(rows[2].columns[0], "Coating thickness value of all Sn");
    EXPECT_EQ(rows[2].columns[1], "   2.3 um More than upper limit");
    EXPECT_EQ(rows[5].columns[1], "   3.4 um Less than lower limit");
    const bool red[] = {false, false, true, false, false, true};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(rows[i].redName, red[i]) << i;
}

TEST(ResultRows, UnusedItemsAreSkippedAndTheRestKeepTheirOrder) {
    std::vector<ResultRow> rows = TinAlloyCopperRows(true);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].columns[0], "Sn    ");
    EXPECT_EQ(rows[1].columns[0], "Cu    ");
    EXPECT_TRUE(MakeResultRows(SyntheticResult{}).empty());
}

TEST(ResultRows, ControlCharactersOfTheNameAreRemovedAndMissingPartsStayEmpty) {
    SyntheticResult r{};
    SetFixedText(r.item[0].szMeasTitle, "Ni\t\r\n  ");
    SetFixedText(r.item[0].szMeasValue, "  1.5");
    SetFixedText(r.item[0].szUnit, "um");
    SetFixedText(r.item[0].szLimit, "        ");
    std::vector<ResultRow> rows = MakeResultRows(r);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].columns[0], "Ni  ");
    EXPECT_EQ(rows[0].columns[1], "  1.5 um         ");
    EXPECT_EQ(rows[0].columns[2], "");
    EXPECT_EQ(rows[0].columns[3], "");
    EXPECT_FALSE(rows[0].redName);
}

}  // namespace
}  // namespace klv
