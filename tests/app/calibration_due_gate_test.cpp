#include "app/calibration_due_gate.h"

#include <gtest/gtest.h>

#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

struct DueGasket : testing::Test {
    test::TempDir dir;
    ProfileFile ini{dir.File("KLV570.ini")};
    test::SettableClock clock;
    test::ScriptedOperator op;
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
    CalibrationStore store = test::CalibratedGasketA(1.0f);  // 2026/03/04
    CCalibrationDueGate gate;

    CalibrationSchedule Schedule() { return LoadCalibrationSchedule(ini, clock); }
};

TEST_F(DueGasket, IntervalsLiveInTheSettingsFilePerMeasuringGasket) {
    EXPECT_EQ(ReadCalibrationInterval(ini, kGasketA), 0) << "never due until set";
    ASSERT_TRUE(WriteCalibrationInterval(ini, kGasketA, 30));
    ASSERT_TRUE(WriteCalibrationInterval(ini, kGasketA + 2, 7));
    EXPECT_FALSE(WriteCalibrationInterval(ini, kGasketWT, 7));
    EXPECT_EQ(ini.GetProfileInt("Calibration", "IntervalA", -1), 30);
    ASSERT_TRUE(ini.WriteProfileInt("Calibration", "IntervalB", -5));
    clock.SetDate(2026, 11, 30);
    const CalibrationSchedule s = Schedule();
    EXPECT_EQ(s.intervalDays, (std::array<int, kGasketRecordCount>{0, 30, 0, 7, 0}));
    EXPECT_EQ(s.today, PackDate(2026, 11, 30));
}

TEST_F(DueGasket, AsksOncePerOpeningAndRemembersWhatWasMeasuredAnyway) {
    ASSERT_TRUE(WriteCalibrationInterval(ini, kGasketA, 30));
    clock.SetDate(2026, 4, 2);
    EXPECT_TRUE(gate.MayStart(d, store, Schedule(), 1, op));
    EXPECT_TRUE(op.Messages().empty()) << "not due yet";
    EXPECT_FALSE(gate.TakenOverdue(1));

    clock.SetDate(2026, 4, 3);
    op.Answer(IDNO);
    EXPECT_FALSE(gate.MayStart(d, store, Schedule(), 1, op));
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text,
              "The calibration of gasket A is due since 2026/04/03. Measure anyway?");
    EXPECT_EQ(op.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(gate.TakenOverdue(1)) << "No measures nothing";

    op.Answer(IDYES);
    EXPECT_TRUE(gate.MayStart(d, store, Schedule(), 1, op));
    EXPECT_TRUE(gate.MayStart(d, store, Schedule(), 2, op));
    EXPECT_EQ(op.Messages().size(), 2u) << "asked again after No, then not again";
    EXPECT_TRUE(gate.TakenOverdue(1));
    EXPECT_TRUE(gate.TakenOverdue(2));
    gate.Forget(2);
    EXPECT_TRUE(gate.TakenOverdue(1));
    EXPECT_FALSE(gate.TakenOverdue(2));

    // A fresh calibration: the next measurement is no longer flagged.
    store.gasket[kGasketA].wCalDate = PackDate(2026, 4, 3);
    EXPECT_TRUE(gate.MayStart(d, store, Schedule(), 2, op));
    EXPECT_FALSE(gate.TakenOverdue(2));

    store.gasket[kGasketA].wCalDate = PackDate(2026, 3, 4);
    gate.Reset();
    EXPECT_FALSE(gate.TakenOverdue(1));
    op.Answer(IDNO);
    EXPECT_FALSE(gate.MayStart(d, store, Schedule(), 3, op));
    EXPECT_EQ(op.Messages().size(), 3u) << "a new opening asks again";
}

}  // namespace
}  // namespace klv
