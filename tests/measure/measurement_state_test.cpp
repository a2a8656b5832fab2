#include "measure/measurement_state.h"

#include <gtest/gtest.h>

#include "reference/coating_table.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

TEST(RunState, PhasesStatusLinesAndKeys) {
    EXPECT_EQ(GetRunStatusLine(nullptr, false, 0).text,
              "Please select measurement condition file.");
    EXPECT_FALSE(CanStartMeasurement(GetRunPhase(nullptr, false)));

    MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
    EXPECT_EQ(GetRunStatusLine(&d, false, 0).text, "Set a test sample and start.");
    EXPECT_EQ(GetRunStatusLine(&d, false, 1).text, "Change the test solution and re-start.");
    EXPECT_TRUE(CanStartMeasurement(GetRunPhase(&d, false)));
    EXPECT_FALSE(CanStopMeasurement(GetRunPhase(&d, false)));

    EXPECT_EQ(GetRunStatusLine(&d, true, 1).text, "Measurement is going on.");
    EXPECT_FALSE(CanStartMeasurement(GetRunPhase(&d, true)));
    EXPECT_TRUE(CanStopMeasurement(GetRunPhase(&d, true)));
}

TEST(RunState, FullAtTheGrossStatisticsTotalOrAfter99999Measurements) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
    d.nItemCt = 2 * 99998;
    EXPECT_EQ(GetRunPhase(&d, false), RunPhase::Ready);
    d.nItemCt = 2 * 99999;
    EXPECT_EQ(GetRunPhase(&d, false), RunPhase::Full);
    const RunStatusLine line = GetRunStatusLine(&d, false, 0);
    EXPECT_EQ(line.text, "Amount of measurement data have reached to the limit.");
    EXPECT_TRUE(line.red);

    d.nItemCt = 6;
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 3;
    EXPECT_EQ(GetRunStatusLine(&d, false, 0).text,
              "Amount of measurement data have reached to the gross statistics.");
    EXPECT_FALSE(CanStartMeasurement(GetRunPhase(&d, false)));
    d.nStatTotal = 4;
    EXPECT_EQ(GetRunPhase(&d, false), RunPhase::Ready);
}

}  // namespace
}  // namespace klv
