#include "reference/condition_texts.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::CalibratedGasketA;
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

TEST(LayerTexts, EveryLineOfARealLayerWithTheAutoStopInTheUnit) {
    MeasFileData d = NickelOverCopper();
    EXPECT_EQ(MakeLayerTexts(d, 0),
              (LayerTexts{"Ni", "E-21", "Automatic", "1/1", "6", "   5.0 um"}));
    EXPECT_EQ(MakeLayerTexts(d, 1), (LayerTexts{"Cu", "E-30", "2", "4/10", "0", "Null um"}));
    d.bUnit = kUnitMil;
    EXPECT_EQ(MakeLayerTexts(d, 1)[5], "Null mil");
}

TEST(LayerTexts, CountsAroundAnAlloyLayerAndWithTheWireGasket) {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    EXPECT_EQ(MakeLayerTexts(d, 0)[5], "Null CNT");
    EXPECT_EQ(MakeLayerTexts(d, 1)[0], "Alloy layer");
    EXPECT_EQ(MakeLayerTexts(d, 2)[5], "Null CNT");
    MeasFileData plain = NickelOverCopper();
    EXPECT_EQ(GetLayerUnitName(plain, 1), "um");
    plain.bGasket = kGasketWT;
    EXPECT_EQ(GetLayerUnitName(plain, 0), "CNT");
    EXPECT_EQ(MakeLayerTexts(plain, 1)[5], "Null CNT");
}

TEST(SideTexts, BaseUnitGasketAndTheCalibrationOfTheGasket) {
    MeasFileData d = NickelOverCopper();
    CalibrationStore store = CalibratedGasketA(1.234f);
    EXPECT_EQ(MakeSideTexts(d, &store), (SideTexts{"Fe", "um", "A", "2026/03/04", "+1.23%"}));
    d.bGasket = kGasketWT;
    EXPECT_EQ(MakeSideTexts(d, &store), (SideTexts{"Fe", "um", "WT", "", ""}));
}

TEST(SideTexts, NoCalibrationOrNoStoreLeavesTheCalibrationLinesEmpty) {
    MeasFileData d = NickelOverCopper();
    CalibrationStore uncalibrated{};
    EXPECT_EQ(MakeSideTexts(d, &uncalibrated)[3], "");
    EXPECT_EQ(MakeSideTexts(d, &uncalibrated)[4], "");
    EXPECT_EQ(MakeSideTexts(d, nullptr), (SideTexts{"Fe", "um", "A", "", ""}));
    // A zero calibration shows a blank for its sign.
    CalibrationStore zero = CalibratedGasketA(0.0f);
    EXPECT_EQ(MakeSideTexts(d, &zero)[4], " 0%");
}

}  // namespace
}  // namespace klv
