#include "reference/condition_display_text.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "reference/channel_list_rows.h"
#include "reference/coating_table.h"
#include "reference/condition_store_test_support.h"
#include "reference/unit_gasket_tables.h"
#include "reference/wt_coefficient.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

// The extra items as the display shows them: labels over values.
std::string Extra(const MeasFileData& d) {
    const ConditionDisplayTexts t = MakeConditionDisplayTexts(d, 0, DefaultCalibrationStore());
    return t.extraLabels + "\n" + t.extraValues;
}

TEST(ConditionDisplayText, ExtraItemsOfSolderContentAndArea) {
    MeasFileData d = test::MakeCondition(3);
    d.coat[0].bCode = kCoatSolder;
    d.bContent = 40;
    d.bGasket = kGasketWT;
    d.bWtMode = kWtModeSmallParts;
    d.fWtArea = 12.5f;
    EXPECT_EQ(Extra(d), "Content of  Pb  Area\n40 W%           12.5 mm%0");
    d.bWtFlags = kWtAreaLater;
    EXPECT_EQ(Extra(d), "Content of  Pb  Area\n40 W%           Input later");
    d.bWtMode = kWtModeDirect;
    d.bWtFlags = kWtCoefLater;
    EXPECT_EQ(Extra(d), "Content of  Pb  Coefficient of WT\n40 W%           Input later");
    d.bWtMode = kWtModeSquareRod;
    d.bWtFlags = 0;
    d.fWtSideA = 1.5f;
    d.fWtSideB = 0.25f;
    d.fWtLength = 30.0f;
    EXPECT_EQ(Extra(d),
              "Content of  Pb  Side a  Side b   Length\n40 W%           1.5 mm  0.25 mm  30 mm");
}

TEST(ChannelListCells, FourLinesOfAConditionOrTheNumberAlone) {
    const CalibrationStore cal = test::CalibratedGasketA(1.23f);
    MeasFileData d = test::MakeCondition(3, 7);
    SetFixedText(d.szFileName, "Plating A");
    SetFixedText(d.szLotNo, "L-77");
    SetFixedText(d.baseName, "Fe");
    // 7 records of 3 layers: 3 measurements, the last one begun.
    EXPECT_EQ(ChannelListCells(0, &d, cal)[0],
              " 1: Plating A\n\n    Lot number :L-77\n    Data quantity :3");
    const auto cells = ChannelListCells(0, &d, cal);
    EXPECT_EQ(cells[1], "Coating\nTest solution\nSensitivity\nRange");
    EXPECT_EQ(cells[4], "\nE-21\nAutomatic\n1/1");
    EXPECT_EQ(cells[5], "") << "the 4th and 5th layer columns stay empty";
    EXPECT_EQ(cells[6], "");
    EXPECT_EQ(cells[7], "Base\nUnit\nGasket\nCalibration date");
    EXPECT_EQ(cells[8], "Fe\num\nA\n2026/03/04  +1.23%");
    d.bGasket = 2;  // B, never calibrated
    EXPECT_EQ(ChannelListCells(0, &d, cal)[8], "Fe\num\nB\n");
    const auto empty = ChannelListCells(49, nullptr, cal);
    EXPECT_EQ(empty[0], "50:");
    for (std::size_t c = 1; c < empty.size(); ++c)
        EXPECT_EQ(empty[c], "") << c;
}

}  // namespace
}  // namespace klv
