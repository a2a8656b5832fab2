#include "app/condition_cells.h"

#include <gtest/gtest.h>

#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

MeasFileData NickelOverCopper() {
    return Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu", test::kRange4_10)});
}

TEST(ConditionCells, TitlesLayersAndSideTextsInTheirColumns) {
    MeasFileData d = NickelOverCopper();
    d.coat[0].bPump = 6;
    CalibrationStore store = test::CalibratedGasketA(1.234f);
    auto cells = ConditionTableCells(&d, &store);
    EXPECT_EQ(cells[0], (ConditionCell{"Coating", "Test solution", "Sensitivity", "Range",
                                       "Pump[Hz]", "Auto stop"}));
    EXPECT_EQ(cells[1], (ConditionCell{"Ni", "E-21", "Automatic", "1/1", "6", "Null um"}));
    EXPECT_EQ(cells[2], (ConditionCell{"Cu", "E-21", "Automatic", "4/10", "0", "Null um"}));
    for (int column = 3; column <= 5; ++column)
        EXPECT_EQ(cells[column], ConditionCell{}) << column;
    EXPECT_EQ(cells[6], (ConditionCell{"Base", "Unit", "Gasket", "Calibration date",
                                       "Calibration value", ""}));
    EXPECT_EQ(cells[7], (ConditionCell{"Fe", "um", "A", "2026/03/04", "+1.23%", ""}));
}

TEST(ConditionCells, WithoutAStoreOrAConditionTheirLinesStayEmpty) {
    MeasFileData d = NickelOverCopper();
    EXPECT_EQ(ConditionTableCells(&d, nullptr)[7], (ConditionCell{"Fe", "um", "A", "", "", ""}));
    CalibrationStore store = test::CalibratedGasketA(1.234f);
    auto empty = ConditionTableCells(nullptr, &store);
    EXPECT_EQ(empty[0][0], "Coating");
    EXPECT_EQ(empty[6][0], "Base");
    EXPECT_EQ(empty[1], ConditionCell{});
    EXPECT_EQ(empty[7], ConditionCell{});
}

}  // namespace
}  // namespace klv
