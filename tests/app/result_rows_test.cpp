#include "app/result_rows.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "results/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

MeasFileData TinAlloyCopper() {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.bStatFlags = kStatLimitCheckOn;
    d.limits[0].fUpperLimit = 2.2f;
    d.limits[0].fLowerLimit = 1.0f;
    d.limits[2].fUpperLimit = 10.0f;
    d.limits[2].fLowerLimit = 3.5f;
    return d;
}

const MsrLogRecord kThree[] = {Measured(2.0f), Measured(1.2f), Measured(3.0f)};

TEST(ResultRows, EveryItemOfTheTinAlloyFormIsARowWithItsTexts) {
    SyntheticResult r;
    EditSyntheticResult(TinAlloyCopper(), kThree, r, false);
    std::vector<ResultRow> rows = MakeResultRows(r);
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
    SyntheticResult r;
    EditSyntheticResult(TinAlloyCopper(), kThree, r, true);
    std::vector<ResultRow> rows = MakeResultRows(r);
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
