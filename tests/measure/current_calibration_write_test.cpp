#include "measure/current_calibration_write.h"

#include <gtest/gtest.h>

#include <cstring>

#include "device/device_fixture.h"

namespace klv {
namespace {

class CurrentCalibrationWriteTest : public test::DeviceFixture {
protected:
    CurrentCalibration Held() {
        const auto block = instrument.Sim().CalibrationStore();
        return CurrentCalibration::FromBlock(block.data());
    }
    static CurrentCalibration Errors(float first) {
        CurrentCalibration cal;
        cal.fErrors.fill(0.001f);
        cal.fErrors[0] = first;
        return cal;
    }
};

TEST_F(CurrentCalibrationWriteTest, TheBlockReachesTheInstrument) {
    Start();
    const CurrentCalibrationWrite w = WriteCurrentCalibration(protocol, Errors(0.01f));
    EXPECT_TRUE(w.stored);
    EXPECT_FALSE(w.held.has_value());
    EXPECT_EQ(Held().fErrors, Errors(0.01f).fErrors);
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(CurrentCalibrationWriteTest, AFailedWriteReadsBackWhatTheInstrumentHolds) {
    Start();
    ASSERT_TRUE(WriteCurrentCalibration(protocol, Errors(0.02f)).stored);
    instrument.Inject(test::Fault::FailWrite, 3);
    op.Answer(IDCANCEL);
    const CurrentCalibrationWrite w = WriteCurrentCalibration(protocol, Errors(-0.05f));
    EXPECT_FALSE(w.stored);
    EXPECT_EQ(op.Messages().size(), 1u);  // the communication error box
    ASSERT_TRUE(w.held.has_value());
    EXPECT_EQ(w.held->fErrors, Errors(0.02f).fErrors);
}

}  // namespace
}  // namespace klv
