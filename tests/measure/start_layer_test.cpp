#include <gtest/gtest.h>

#include "measure/count_limits.h"
#include "reference/unit_gasket_tables.h"
#include "run_fixture.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::RunFixture;

TEST(CountLimits, MicrometresOnScaleTenWithAndWithoutTheWtGasket) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.coat[0].bLayerFlags |= kLayerAutoStopOn;
    d.coat[0].fAutoStop = 2.54f;
    CountLimits limits = ComputeCountLimits(d, 0);
    EXPECT_EQ(limits.autoStop, 25u);
    EXPECT_EQ(limits.saturation, 400u);
    EXPECT_EQ(limits.maximum, 3000u);

    d.bGasket = kGasketWT;
    limits = ComputeCountLimits(d, 0);
    EXPECT_EQ(limits.autoStop, 25u);
    EXPECT_EQ(limits.saturation, 0u);
    EXPECT_EQ(limits.maximum, 300000u);
}

TEST(CountLimits, AutoStopOffAndMilsScale) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.coat[0].fAutoStop = 5.0f;  // ignored while auto stop is off
    d.bUnit = 3;                 // mil, 25.4 µm, range 1/1: scale 100
    const CountLimits limits = ComputeCountLimits(d, 0);
    EXPECT_EQ(limits.autoStop, 0u);
    EXPECT_EQ(limits.saturation, 157u);  // 40 / 25.4 x 100 = 157.48
    EXPECT_EQ(limits.maximum, 1181u);    // 300 / 25.4 x 100 = 1181.1
}

TEST(StartLayer, SendsTheLayerSettingsInOrderInsideOneScope) {
    RunFixture f;
    f.d.coat[0].bPump = 6;
    f.d.coat[0].bSensitivity = 3;
    f.d.coat[0].bBlanking = 5;
    f.calibration.gasket[f.d.bGasket].fCalValue = 1.5f;
    f.Start();
    const std::vector<std::string> expected = {
        "SetWNi 0",           "SetOutputCurrent", "SetPumpFrequency 6",
        "SetSensitivity 3 2", "SetBalance 1",     "StartElectrolysis 800 5 0 400"};
    EXPECT_EQ(f.instrument.calls, expected);
    EXPECT_EQ(f.instrument.scopes, 0);
    EXPECT_FLOAT_EQ(f.instrument.correction, 1.5f);
    EXPECT_GT(f.instrument.current, 0.0f);
    EXPECT_EQ(f.run.Limits().maximum, 3000u);
    EXPECT_EQ(f.trace.prepared, std::vector<bool>{true});
}

TEST(StartLayer, WtGasketAndCalibrationModeTakeNoCorrection) {
    RunFixture f;
    f.calibration.gasket[kGasketWT].fCalValue = 2.0f;
    f.d.bGasket = kGasketWT;
    f.Start();
    EXPECT_FLOAT_EQ(f.instrument.correction, 0.0f);
    EXPECT_EQ(f.instrument.calls.back(), "StartElectrolysis 800 0 0 0");

    RunFixture g;
    g.calibration.gasket[g.d.bGasket].fCalValue = 2.0f;
    g.d.bBaseCode = 5;  // nickel on nickel would switch W-Ni on outside calibration
    g.run.SetCalibrationMode(1);
    g.Start();
    EXPECT_FLOAT_EQ(g.instrument.correction, 0.0f);
    EXPECT_EQ(g.instrument.calls.front(), "SetWNi 0");
}

TEST(StartLayer, NickelOnNickelSwitchesWNiOnAndBalanceOff) {
    RunFixture f;
    f.d.bBaseCode = 5;
    f.Start();
    EXPECT_EQ(f.instrument.calls.front(), "SetWNi 1");
    EXPECT_EQ(f.instrument.calls[4], "SetBalance 0");
}

TEST(StartLayer, AFailedCommandStopsTheSequenceAndSwitchesTheOutputsOff) {
    RunFixture f;
    f.instrument.failOn = "SetPumpFrequency";
    EXPECT_EQ(f.run.StartLayer(f.d, 0, 0, true), 0);
    const std::vector<std::string> expected = {"SetWNi 0", "SetOutputCurrent", "SetPumpFrequency 0",
                                               "AllOutputsOff"};
    EXPECT_EQ(f.instrument.calls, expected);
    EXPECT_EQ(f.instrument.scopes, 0);
    EXPECT_TRUE(f.trace.prepared.empty());
    // No electrolysis runs, so no poll is evaluated.
    PollResult r{};
    EXPECT_EQ(f.run.PreparePollResult(test::Poll(10), r), 0);
}

TEST(StartLayer, APairWithoutResolutionSendsNothing) {
    RunFixture f;
    f.d.bUnit = 2;  // mm has no row for range 1/1
    EXPECT_EQ(f.run.StartLayer(f.d, 0, 0, true), 0);
    EXPECT_TRUE(f.instrument.calls.empty());
    ASSERT_EQ(f.op.Messages().size(), 1u);
}

}  // namespace
}  // namespace klv
