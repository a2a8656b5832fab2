#include "measure/standard_calibration.h"

#include <gtest/gtest.h>

#include "reference/calibration_date.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::AlloyLayer;
using test::Condition;
using test::Layer;

TEST(StandardCalibration, DeviationLimitsAndWornGasket) {
    struct Case {
        float measured, standard;
        bool accepted;
    };
    const Case cases[] = {
        {11.2f, 10, true}, {8.5f, 10, true},      {11.9f, 10, true},
        {8.1f, 10, true},  {11.901f, 10, false},  {8.0999f, 10, false},
        {119, 100, true},  {119.01f, 100, false}, {81, 100, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWithinGuarantee(CalibrationDeviation(c.measured, c.standard)), c.accepted)
            << c.measured << " of " << c.standard;
    EXPECT_NEAR(CalibrationDeviation(11.2f, 10), 12.0f, 1e-4);
    EXPECT_FALSE(IsGasketWorn(12.0f));
    EXPECT_TRUE(IsGasketWorn(-15.0f));
    EXPECT_TRUE(IsGasketWorn(15.0f));
    EXPECT_FALSE(IsGasketWorn(-14.99f));
    const float values[] = {-14.0f, -16.0f};
    EXPECT_FLOAT_EQ(AverageCalibration(values), -15.0f);
    EXPECT_FLOAT_EQ(AverageCalibration({}), 0.0f);
}

TEST(StandardCalibration, TwoLayersAddUpBeforeTheComparison) {
    const MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Cu")});
    CCalibrationRun run;
    run.BeginLayer();
    EXPECT_EQ(run.AddLayerValue(d, 5.0f, 10.0f), CalibrationStep::NextLayer);
    EXPECT_EQ(run.Layer(), 1);
    run.BeginLayer();  // the second layer keeps the sum
    EXPECT_EQ(run.AddLayerValue(d, 6.2f, 10.0f), CalibrationStep::Accepted);
    EXPECT_FLOAT_EQ(run.Sum(), 11.2f);
    EXPECT_NEAR(run.Deviation(), 12.0f, 1e-4);
    EXPECT_EQ(run.Layer(), 0);
    run.BeginLayer();
    EXPECT_EQ(run.AddLayerValue(d, 9.0f, 10.0f), CalibrationStep::NextLayer);
    run.Restart();
    run.BeginLayer();
    EXPECT_EQ(run.AddLayerValue(d, 2.0f, 10.0f), CalibrationStep::NextLayer);
    EXPECT_EQ(run.AddLayerValue(d, 0.0f, 10.0f), CalibrationStep::OutOfRange);
    EXPECT_FLOAT_EQ(run.Sum(), 2.0f);
}

TEST(StandardCalibration, AlloyLayerCountsWithTinShareAndUnitFactor) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Sn"), AlloyLayer()});
    d.fAlloyCoefSn = 0.25f;
    d.bUnit = 2;  // 1 unit = 0.001 µm
    CCalibrationRun run;
    run.BeginLayer();
    run.AddLayerValue(d, 8000.0f, 10.0f);
    EXPECT_EQ(run.AddLayerValue(d, 8000.0f, 10.0f), CalibrationStep::Accepted);
    EXPECT_FLOAT_EQ(run.Sum(), 10000.0f);
    EXPECT_NEAR(run.Deviation(), 0.0f, 1e-4);
}

TEST(StandardCalibration, OpeningRecordDefaultsAndStoring) {
    CalibrationStore store{};
    GasketCalibrationRecord r = OpeningRecord(store, nullptr);
    EXPECT_EQ(r.condition.bUnit, 1);
    EXPECT_FLOAT_EQ(r.condition.fAlloyCoefCu, 0.323f);
    EXPECT_EQ(r.condition.coat[0].bCode, kCoatNickel);
    EXPECT_STREQ(r.condition.coat[0].Name, "Ni");
    EXPECT_EQ(r.condition.coat[0].bSolution, 10);
    EXPECT_EQ(r.condition.coat[0].bPump, 6);
    EXPECT_EQ(r.condition.coat[0].bBlanking, 5);
    EXPECT_STREQ(r.condition.baseName, "Fe");

    MeasFileData current = Condition({Layer(kCoatNickel, "Cu")});
    current.bGasket = 2;
    r = OpeningRecord(store, &current);
    EXPECT_EQ(r.condition.bGasket, 2);
    EXPECT_STREQ(r.condition.coat[0].Name, "Ni");
    StoreCalibration(store, r, -15.0f, PackDate(2026, 12, 10));
    EXPECT_EQ(store.gasket[2].bCalFlags & kGasketHasCalibration, kGasketHasCalibration);
    EXPECT_FLOAT_EQ(store.gasket[2].fCalValue, -15.0f);
    EXPECT_EQ(store.gasket[1].bCalFlags, 0);
    current.bGasket = 2;
    EXPECT_EQ(FormatCalibrationDate(current, store), "2026/12/10");
    // A stored record is taken as it is.
    store.gasket[2].condition.coat[0] = Layer(kCoatNickel, "Cr");
    EXPECT_STREQ(OpeningRecord(store, &current).condition.coat[0].Name, "Cr");
}

TEST(GuessCalibration, RangeAndGaskets) {
    EXPECT_EQ(ParseGuessValue("-19"), -19.0f);
    EXPECT_EQ(ParseGuessValue("19"), 19.0f);
    EXPECT_EQ(ParseGuessValue(" 2.5"), 2.5f);
    EXPECT_FALSE(ParseGuessValue("-19.5"));
    EXPECT_FALSE(ParseGuessValue("19.1"));
    EXPECT_FALSE(ParseGuessValue("abc"));
    EXPECT_FALSE(ParseGuessValue(""));
    EXPECT_TRUE(IsGuessGasket(1));
    EXPECT_TRUE(IsGuessGasket(3));
    EXPECT_FALSE(IsGuessGasket(kGasketWT));
    EXPECT_FALSE(IsGuessGasket(0));
}

}  // namespace
}  // namespace klv
