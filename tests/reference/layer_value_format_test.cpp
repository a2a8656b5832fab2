#include "reference/layer_value_format.h"

#include <gtest/gtest.h>

#include "reference/calibration_date.h"
#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

TEST(LayerValue, DecimalsOfTheLayersResolution) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni", test::kRange1_1)});
    EXPECT_EQ(FormatLayerValue(12.345f, d, 0, false, false), "  12.3");
    d.coat[0].bRange = test::kRange4_10;
    EXPECT_EQ(FormatLayerValue(12.345f, d, 0, false, false), " 12.35");
    EXPECT_EQ(FormatLayerValue(1234567.25f, d, 0, false, false), "999999");
}

TEST(LayerValue, NoValueAndWtFormats) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    EXPECT_EQ(FormatLayerValue(12.345f, d, 0, false, true), " -----");
    EXPECT_EQ(FormatLayerValue(1.2345678f, d, 0, true, false), "1.2345");
}

TEST(LayerValue, AnAdjacentAlloyLayerWithMoreDecimalsLendsThem) {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn", test::kRange1_1), test::AlloyLayer(test::kRange4_10),
                   Layer(kCoatCopper, "Cu", test::kRange1_1)});
    EXPECT_EQ(FormatLayerValue(1.5f, d, 0, false, false), "  1.50");
    EXPECT_EQ(FormatLayerValue(1.5f, d, 2, false, false), "  1.50");
    d.coat[1].bRange = test::kRange2_1;  // fewer decimals do not lower the layer's own
    d.coat[0].bRange = test::kRange4_10;
    EXPECT_EQ(FormatLayerValue(1.5f, d, 0, false, false), "  1.50");
}

TEST(LayerLine, NameValueAndUnitOrCnt) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), test::AlloyLayer()});
    EXPECT_EQ(FormatLayerLine(d, 0, 3.21f, 0, false), "Ni        3.2 um");
    EXPECT_EQ(FormatLayerLine(d, 0, 3.21f, 3, false), "Ni        3.2 CNT");
    EXPECT_EQ(FormatLayerLine(d, 1, 0.0f, 3, true), "Alloy layer  ----- CNT");
}

TEST(FileTitle, NumberAndName) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    EXPECT_EQ(FormatFileTitle(7, d), "7 : Test");
    EXPECT_EQ(FormatFileTitle(0, d), "Test");
}

TEST(AutoStop, NullWhenOffElseTheThicknessInTheUnit) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni", test::kRange4_10)});
    EXPECT_EQ(FormatAutoStop(d, 0), "Null");
    d.coat[0].bLayerFlags |= kLayerAutoStopOn;
    d.coat[0].fAutoStop = 2.5f;
    EXPECT_EQ(FormatAutoStop(d, 0), "  2.50");
    d.bUnit = kUnitMil;  // 0.0984 mil, three decimals for mil at 4/10
    EXPECT_EQ(FormatAutoStop(d, 0), " 0.098");
}

TEST(AutoStop, ReferenceTextOfTheThreeGaskets) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    EXPECT_EQ(FormatAutoStopReference(d),
              " Gasket      Cr        Other\n"
              "   A         15um        25um \n"
              "   B         18um        30um \n"
              "   C         23um        40um ");
    d.bUnit = kUnitMil;
    EXPECT_EQ(FormatAutoStopReference(d).substr(29, 30), "   A     0.5906mil   0.9843mil");
}

TEST(RangeBounds, CutToTheResolutionWithoutLeadingBlanks) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni", test::kRange1_1)});
    EXPECT_EQ(FormatRangeBound(0.1f, d, 0), "0.1");
    d.bUnit = kUnitMil;
    d.coat[0].bRange = test::kRange2_1;  // 2 decimals: 0.1 µm = 0.0039 mil is cut to 0.00
    EXPECT_EQ(FormatRangeBound(0.1f, d, 0), "0.00");
    EXPECT_EQ(FormatRangeBound(40.0f, d, 0), "1.57");
}

TEST(Dates, PackedDateTexts) {
    EXPECT_EQ(FormatPackedDate(PackDate(2021, 5, 2)), "2021/05/02");
    EXPECT_EQ(FormatPackedDate(0), "");
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

TEST(Dates, CalibrationDateOnlyForACalibratedGasket) {
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
    CalibrationStore store = DefaultCalibrationStore();
    store.gasket[1].wCalDate = PackDate(2026, 11, 30);
    EXPECT_EQ(FormatCalibrationDate(d, store), "");
    store.gasket[1].bCalFlags = kGasketHasCalibration;
    EXPECT_EQ(FormatCalibrationDate(d, store), "2026/11/30");
    d.bGasket = 2;
    EXPECT_EQ(FormatCalibrationDate(d, store), "");
}

}  // namespace
}  // namespace klv
