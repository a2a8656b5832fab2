#include "measure/protocol_run_instrument.h"

#include <gtest/gtest.h>

#include "device/device_fixture.h"
#include "device/usb_status.h"
#include "run_fakes.h"

namespace klv {
namespace {

class ProtocolRunTest : public test::DeviceFixture {
protected:
    CProtocolRunInstrument adaptor{protocol};
    test::ScriptedRunDialogs dialogs;
    test::RecordingTrace trace;
    test::RecordingSounds sounds;
    CalibrationStore calibration{};
    CMeasRun run{adaptor, dialogs, trace, sounds, op, calibration};
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
};

TEST_F(ProtocolRunTest, ALayerStartsTheSimulatedInstrumentInOneBusyScope) {
    Start();
    d.coat[0].bPump = 6;
    d.coat[0].bSensitivity = 5;  // "4": hardware code 3
    d.coat[0].bBlanking = 3;
    const std::uint32_t start = m_clock.TickMs();
    ASSERT_EQ(run.StartLayer(d, 0, 0, true), 1);
    EXPECT_GE(m_clock.TickMs() - start, 1000u) << "the output current settles first";
    EXPECT_EQ(busy.enters, 1);
    EXPECT_EQ(busy.leaves, 1);
    EXPECT_EQ(CountFrames(kStartElectrolysis), 1);
    EXPECT_EQ(CountFrames(kSetPumpFrequency), 1);
    const DeviceStatus s = instrument.Sim().Status();
    EXPECT_TRUE(s.IsRunning());
    EXPECT_EQ(s.bPortA() & 0x38, 0x18);
    EXPECT_EQ(s.bPortB() & kPortBReverse, kPortBReverse) << "forward current (active low)";
    const std::vector<std::uint8_t> started = instrument.Received().back();
    ASSERT_EQ(started.size(), 15u);
    EXPECT_EQ(started[5] | (started[6] << 8), 3000) << "blanking in ms";
}

TEST_F(ProtocolRunTest, ACancelledCommandSwitchesTheOutputsOff) {
    Start();
    instrument.Inject(test::Fault::CorruptEcho, 3);
    op.Answer(IDCANCEL);
    EXPECT_EQ(run.StartLayer(d, 0, 0, true), 0);
    EXPECT_EQ(CountFrames(kStartElectrolysis), 0);
    // The silent switch-off ends with the DAC at zero.
    EXPECT_EQ(instrument.Received().back(), MakeSetDacValueFrame(0));
    EXPECT_EQ(busy.enters, busy.leaves);
}

TEST_F(ProtocolRunTest, AFailedOutputCurrentIsShownToTheOperator) {
    Start();
    instrument.Inject(test::Fault::FailWrite, 3);
    op.Answer(IDCANCEL);
    EXPECT_EQ(adaptor.SetOutputCurrent(1.0f, 0.0f), 0);
    EXPECT_EQ(op.Messages().size(), 1u);
}

TEST_F(ProtocolRunTest, AnUnmatchedLeaveDoesNotKeepTheNextCommandOutOfItsScope) {
    Start();
    adaptor.LeaveCommandScope();
    adaptor.EnterCommandScope();
    adaptor.LeaveCommandScope();
    EXPECT_EQ(busy.enters, 1);
    EXPECT_EQ(busy.leaves, 1);
}

TEST_F(ProtocolRunTest, TheErrorBoxOfFailedPollsHasOnlyOk) {
    Start();
    adaptor.ShowCommunicationError(kUsbOk);
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, UsbStatusText(kUsbOk));
    EXPECT_EQ(op.Messages()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Exclamation);
}

}  // namespace
}  // namespace klv
