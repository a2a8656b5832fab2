#include "reference/condition_sheet_pages.h"

#include <gtest/gtest.h>

#include "reference/condition_rules.h"

namespace klv {
namespace {

using P = ConditionPage;

// A new condition with the coatings top down over the base, gasket A.
MeasFileData Layers(std::initializer_list<std::uint8_t> codes, std::uint8_t base,
                    std::uint8_t gasket = 1) {
    MeasFileData d = NewMeasFileData();
    int k = 0;
    for (std::uint8_t c : codes) {
        d.coat[k].bCode = c;
        d.coat[k].bRange = 2;
        ++k;
    }
    d.bBaseCode = base;
    d.bGasket = gasket;
    return d;
}

TEST(ConditionSheetPages, CopperOnSteelFinishesOnTheFirstPage) {
    const MeasFileData d = Layers({5}, 1);
    EXPECT_EQ(GetConditionPages(d, true, false), std::vector<P>{P::General});
    EXPECT_TRUE(FirstPageFinishes(d, false));
    EXPECT_EQ(GetConditionPages(d, false, false),
              (std::vector<P>{P::General, P::Pump, P::Current, P::AutoStop}));
}

TEST(ConditionSheetPages, WtGasketAddsItsPageOutsideCalibration) {
    const MeasFileData d = Layers({5}, 1, 4);
    EXPECT_EQ(GetConditionPages(d, true, false), (std::vector<P>{P::General, P::Wt}));
    EXPECT_FALSE(FirstPageFinishes(d, false));
    EXPECT_EQ(GetConditionPages(d, true, true), std::vector<P>{P::Calibrate});
    EXPECT_TRUE(FirstPageFinishes(d, true));
    EXPECT_EQ(GetConditionPages(d, false, false),
              (std::vector<P>{P::General, P::Pump, P::Current, P::Wt, P::AutoStop}));
}

TEST(ConditionSheetPages, LayerWithoutCombinationRowNeedsPumpAndCurrentPages) {
    // Gold has no row over steel.
    const MeasFileData d = Layers({18}, 1);
    EXPECT_FALSE(AllLayersHaveCombination(d));
    EXPECT_EQ(GetConditionPages(d, true, false), (std::vector<P>{P::General, P::Pump, P::Current}));
    EXPECT_FALSE(FirstPageFinishes(d, false));
    // The free-name base has no rows at all.
    EXPECT_FALSE(FirstPageFinishes(Layers({5}, 33), false));
}

TEST(ConditionSheetPages, AlloyPageForTinOverAlloyAndForAlloyCoatings) {
    MeasFileData tin = Layers({11, 5}, 1);
    EXPECT_FALSE(NeedsAlloyPage(tin));
    InsertAlloyLayer(tin);
    ASSERT_EQ(GetCoatCount(tin), 3);
    EXPECT_TRUE(NeedsAlloyPage(tin));
    EXPECT_EQ(GetConditionPages(tin, true, false).at(1), P::Alloy);
    EXPECT_FALSE(FirstPageFinishes(tin, false));
    // Zn-Sn is an alloy coating of the content table; Ni is not.
    EXPECT_TRUE(NeedsAlloyPage(Layers({8}, 1)));
    EXPECT_FALSE(NeedsAlloyPage(Layers({16}, 1)));
}

TEST(ConditionSheetPages, TitlesAndCaptions) {
    EXPECT_EQ(GetConditionPageTitle(P::General, false), "Basic data");
    EXPECT_EQ(GetConditionPageTitle(P::Calibrate, true), "Basic data");
    EXPECT_EQ(GetConditionPageTitle(P::Pump, false), "Pump.Test solution  . Sensitivity");
    EXPECT_EQ(GetConditionPageTitle(P::AutoStop, false), "Auto stop  .  Weight count");
    EXPECT_EQ(GetConditionPageTitle(P::AutoStop, true), "Auto stop");
    EXPECT_EQ(GetConditionPageTitle(P::Wt, false), "Coefficient of WT");
    EXPECT_EQ(GetConditionPageCaption(P::Pump), "Setting of pump \xB7Test solution\xB7Sensitivity");
    EXPECT_EQ(GetConditionPageCaption(P::Calibrate), "Setting calibration condition");
    EXPECT_EQ(GetConditionSheetCaption(false), "Set a measurement condition");
    EXPECT_EQ(GetConditionSheetCaption(true), "Set a calibration condition");
}

}  // namespace
}  // namespace klv
