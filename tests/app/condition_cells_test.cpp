#include "app/condition_cells.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "results/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

// Nickel with auto stop at 5 µm over copper with the pump off, on steel, gasket A.
MeasFileData NickelOverCopper() {
    MeasFileData d =
        Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu", test::kRange4_10)});
    d.coat[0].bPump = 6;
    d.coat[0].bLayerFlags |= kLayerAutoStopOn;
    d.coat[0].fAutoStop = 5.0f;
    d.coat[1].bSolution = 10;
    d.coat[1].bSensitivity = 3;
    return d;
}

CalibrationStore CalibratedGasketA(float percent) {
    CalibrationStore store{};
    store.gasket[kGasketA].bCalFlags = kGasketHasCalibration;
    store.gasket[kGasketA].wCalDate = PackDate(2026, 3, 4);
    store.gasket[kGasketA].fCalValue = percent;
    return store;
}

TEST(ConditionCells, LayersBaseAndCalibrationOfARealCondition) {
    MeasFileData d = NickelOverCopper();
    CalibrationStore store = CalibratedGasketA(1.234f);
    auto cells = ConditionTableCells(&d, &store);
    EXPECT_EQ(cells[0], (ConditionCell{"Coating", "Test solution", "Sensitivity", "Range",
                                       "Pump[Hz]", "Auto stop"}));
    EXPECT_EQ(cells[1], (ConditionCell{"Ni", "E-21", "Automatic", "1/1", "6", "   5.0 um"}));
    EXPECT_EQ(cells[2], (ConditionCell{"Cu", "E-30", "2", "4/10", "0", "Null um"}));
    for (int column = 3; column <= 5; ++column)
        EXPECT_EQ(cells[column], ConditionCell{}) << column;
    EXPECT_EQ(cells[6], (ConditionCell{"Base", "Unit", "Gasket", "Calibration date",
                                       "Calibration value", ""}));
    EXPECT_EQ(cells[7], (ConditionCell{"Fe", "um", "A", "2026/03/04", "+1.23%", ""}));
}

TEST(ConditionCells, AutoStopCountsAroundAnAlloyLayerAndWithTheWireGasket) {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    auto cells = ConditionTableCells(&d, nullptr);
    EXPECT_EQ(cells[1][5], "Null CNT");
    EXPECT_EQ(cells[2][0], "Alloy layer");
    EXPECT_EQ(cells[3][5], "Null CNT");
    MeasFileData wire = NickelOverCopper();
    wire.bGasket = kGasketWT;
    EXPECT_EQ(ConditionTableCells(&wire, nullptr)[2][5], "Null CNT");
    EXPECT_EQ(ConditionTableCells(&wire, nullptr)[7][2], "WT");
}

TEST(ConditionCells, NoCalibrationNoStoreAndNoConditionLeaveTheirLinesEmpty) {
    MeasFileData d = NickelOverCopper();
    CalibrationStore uncalibrated{};
    auto cells = ConditionTableCells(&d, &uncalibrated);
    EXPECT_EQ(cells[7][3], "");
    EXPECT_EQ(cells[7][4], "");
    EXPECT_EQ(ConditionTableCells(&d, nullptr)[7][4], "");
    // A zero calibration shows a blank for its sign.
    CalibrationStore zero = CalibratedGasketA(0.0f);
    EXPECT_EQ(ConditionTableCells(&d, &zero)[7][4], " 0%");
    auto empty = ConditionTableCells(nullptr, &zero);
    EXPECT_EQ(empty[0][0], "Coating");
    EXPECT_EQ(empty[1], ConditionCell{});
    EXPECT_EQ(empty[7], ConditionCell{});
}

}  // namespace
}  // namespace klv
