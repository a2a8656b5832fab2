#include "reference/condition_items.h"

#include <gtest/gtest.h>

#include "condition_store_test_support.h"
#include "reference/unit_gasket_tables.h"
#include "reference/wt_after_input.h"
#include "reference/wt_coefficient.h"

namespace klv {
namespace {

TEST(ConditionItemTest, CommandIdsMapToTheEightItemsOnly) {
    EXPECT_EQ(ConditionItemForCommand(32880), ConditionItem::Sensitivity);
    EXPECT_EQ(ConditionItemForCommand(32882), ConditionItem::Range);
    EXPECT_EQ(ConditionItemForCommand(32886), ConditionItem::Unit);
    EXPECT_EQ(ConditionItemForCommand(32887), ConditionItem::Alloy);
    EXPECT_FALSE(ConditionItemForCommand(32879));
    EXPECT_FALSE(ConditionItemForCommand(32888));
    EXPECT_FALSE(ConditionItemForCommand(32807));
}

TEST(ConditionItemTest, UnitMustFitEveryUsedLayersRange) {
    MeasFileData d = test::MakeCondition(2);
    d.coat[1].bRange = 6;
    EXPECT_TRUE(UnitFitsRanges(d, kUnitMicrometre));
    EXPECT_TRUE(UnitFitsRanges(d, kUnitMil));
    // nm and MI have no row for range 1/1 of layer 1.
    EXPECT_FALSE(UnitFitsRanges(d, kUnitNanometre));
    EXPECT_FALSE(UnitFitsRanges(d, kUnitMicroInch));
    d.coat[0].bRange = 8;
    EXPECT_TRUE(UnitFitsRanges(d, kUnitNanometre));
    d.coat[0].bRange = 3;
    EXPECT_FALSE(UnitFitsRanges(d, kUnitNanometre));
    EXPECT_TRUE(UnitFitsRanges(d, kUnitMicroInch));
    // An unused layer's range is not looked at; an unknown unit fits nothing.
    d.coat[2].bRange = 1;
    EXPECT_TRUE(UnitFitsRanges(d, kUnitMicroInch));
    EXPECT_FALSE(UnitFitsRanges(d, 9));
}

MeasFileData WtCondition(std::uint8_t mode) {
    MeasFileData d = test::MakeCondition(1);
    d.bGasket = 4;
    d.bWtMode = mode;
    d.bWtFlags = GetWtLaterFlag(mode);
    d.fWtDiameter = 2.0f;
    d.fWtSideA = 1.0f;
    d.fWtSideB = 3.0f;
    d.fWtLength = 7.0f;
    d.fWtArea = 11.0f;
    d.fWtCoef = 0.5f;
    return d;
}

TEST(WtAfterInputTest, PromptFollowsTheMode) {
    const WtAfterInputPrompt round = GetWtAfterInputPrompt(WtCondition(1));
    EXPECT_EQ(round.label, "Sample's length");
    EXPECT_EQ(round.unit, "mm");
    EXPECT_FLOAT_EQ(round.value, 7.0f);
    EXPECT_EQ(GetWtAfterInputPrompt(WtCondition(2)).label, "Sample's length");
    const WtAfterInputPrompt area = GetWtAfterInputPrompt(WtCondition(3));
    EXPECT_EQ(area.label, "Sample's area (size)");
    EXPECT_EQ(area.unit, "mm%0");
    EXPECT_FLOAT_EQ(area.value, 11.0f);
    const WtAfterInputPrompt coef = GetWtAfterInputPrompt(WtCondition(4));
    EXPECT_EQ(coef.label, "WT Coefficient");
    EXPECT_EQ(coef.unit, "");
    EXPECT_FLOAT_EQ(coef.value, 0.5f);
}

TEST(WtAfterInputTest, StoredValueRecomputesTheCoefficientAndKeepsAsking) {
    MeasFileData round = WtCondition(1);
    EXPECT_FLOAT_EQ(StoreWtAfterInput(round, 4.0f), 2.958f / (2.0f * 4.0f));
    EXPECT_FLOAT_EQ(round.fWtLength, 4.0f);
    EXPECT_FLOAT_EQ(round.fWtCoef, 2.958f / 8.0f);
    EXPECT_EQ(round.bWtFlags & kWtCoefValid, 0);
    EXPECT_NE(round.bWtFlags & kWtLengthLater, 0);

    MeasFileData square = WtCondition(2);
    EXPECT_FLOAT_EQ(StoreWtAfterInput(square, 2.0f), 4.645f / (4.0f * 2.0f));

    MeasFileData area = WtCondition(3);
    EXPECT_FLOAT_EQ(StoreWtAfterInput(area, 9.293f), 1.0f);
    EXPECT_FLOAT_EQ(area.fWtArea, 9.293f);
    EXPECT_FLOAT_EQ(area.fWtLength, 7.0f);

    MeasFileData direct = WtCondition(4);
    EXPECT_FLOAT_EQ(StoreWtAfterInput(direct, 1.25f), 1.25f);
    EXPECT_FLOAT_EQ(direct.fWtLength, 7.0f);
    EXPECT_EQ(direct.bWtFlags & kWtCoefValid, 0);
}

}  // namespace
}  // namespace klv
