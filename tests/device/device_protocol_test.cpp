#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "device/device_fixture.h"
#include "device/device_frames.h"
#include "device/device_session.h"
#include "device/output_current.h"
#include "device/usb_status.h"

namespace klv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DeviceFramesTest, FramesByteForByte) {
    EXPECT_EQ(MakeStartElectrolysisFrame(5, 400, 5000, 10, 0x01020304),
              (Bytes{0x5A, 0x02, 5, 0x90, 0x01, 0x88, 0x13, 10, 0, 0, 0, 4, 3, 2, 1}));
    EXPECT_EQ(MakeStopElectrolysisFrame(true), (Bytes{0x5A, 0x04, 2}));
    EXPECT_EQ(MakeStopElectrolysisFrame(false), (Bytes{0x5A, 0x04, 1}));
    EXPECT_EQ(MakeSetPumpFrequencyFrame(3), (Bytes{0x5A, 0x06, 0x05, 0x0D}));  // 3333
    EXPECT_EQ(MakeSetPumpFrequencyFrame(0), (Bytes{0x5A, 0x06, 0, 0}));
    EXPECT_EQ(MakeWritePortsFrame(0xB8, 0, 0x7F, 0), (Bytes{0x5A, 0x08, 0xB8, 0, 0x7F, 0}));
    EXPECT_EQ(MakeSetDacValueFrame(27535), (Bytes{0x5A, 0x0A, 0x8F, 0x6B}));
    EXPECT_EQ(MakeClearEndDetectFrame(), (Bytes{0x5A, 0x0E}));
    EXPECT_EQ(MakeQueryFrame(kGetDeviceStatus), (Bytes{0x5A, 0x10}));
    EXPECT_EQ(MakeSetCurrentCalibrateFrame({}).size(), 42u);
}

TEST(DeviceFramesTest, SensitivityHardwareCodes) {
    EXPECT_EQ(SensitivityHardwareCode(0), 0);
    EXPECT_EQ(SensitivityHardwareCode(1), 0);
    EXPECT_EQ(SensitivityHardwareCode(10), 0);
    EXPECT_EQ(SensitivityHardwareCode(9), 7);
    EXPECT_EQ(SensitivityHardwareCode(2), 0);
    EXPECT_EQ(SensitivityHardwareCode(5), 3);
}

TEST(OutputCurrentTest, RangeChoiceAndDacCode) {
    CurrentCalibration none;
    OutputSetting a = ChooseOutput(105.0f, none, false, 0);
    EXPECT_EQ(a.range, 0);
    EXPECT_EQ(a.dacCode, 27535);
    OutputSetting b = ChooseOutput(0.021f, none, false, 0);
    EXPECT_EQ(b.range, 4);
    EXPECT_EQ(b.dacCode, 55071);
    CurrentCalibration cal;
    cal.fErrors[8] = -0.1f;  // range 5 reads 10 % low at its high point
    EXPECT_EQ(ChooseOutput(0.02f, cal, false, 0).range, 3);
    EXPECT_EQ(ChooseOutput(0.018f, cal, false, 0).range, 4);
    OutputSetting big = ChooseOutput(400.0f, none, false, 0);
    EXPECT_EQ(big.dacCode, 65535);
    EXPECT_TRUE(big.clamped);
    EXPECT_EQ(ChooseOutput(0.0001f, none, false, 0).dacCode, 262) << "below the low point";
    EXPECT_EQ(ChooseOutput(-5.0f, none, true, 0).dacCode, 0) << "negative codes become 0";
    EXPECT_EQ(ChooseOutput(105.0f, cal, true, 0).dacCode, 27535) << "nominal ignores errors";
}

class ProtocolTest : public DeviceFixture {
protected:
    Bytes Last(std::size_t back = 0) const {
        auto r = instrument.Received();
        return r[r.size() - 1 - back];
    }
};

TEST_F(ProtocolTest, SetOutputCurrentSendsDacRangeAndProbe) {
    Start();
    EXPECT_EQ(protocol.SetOutputCurrent(100.0f, 5.0f, true, false, false, 0, false), 1);
    auto r = instrument.Received();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1], (Bytes{0x5A, 0x12}));
    EXPECT_EQ(r[2], MakeSetDacValueFrame(27535));
    EXPECT_EQ(r[3], (Bytes{0x5A, 0x08, 0, 0, 0x07, 0x17}));
    EXPECT_EQ(r[4], (Bytes{0x5A, 0x08, 0, 0, 0, 0x08}));
    EXPECT_EQ(busy.enters, 1) << "one scope around the whole sequence";
    EXPECT_EQ(busy.leaves, 1);
    DeviceStatus s = instrument.Sim().Status();
    EXPECT_EQ(s.bPortB(), 0x60) << "range lines, reverse and probe on (active low)";
    EXPECT_EQ(s.wAd5541(), 27535);
}

TEST_F(ProtocolTest, EachRangeSwitchesItsOwnActiveLowLines) {
    Start();
    const std::uint8_t lines[kOutputRangeCount] = {0x07, 0x06, 0x05, 0x04, 0x03};
    for (int n = 0; n < kOutputRangeCount; ++n) {
        EXPECT_EQ(protocol.SetOutputCurrent(0.001f, 0.0f, false, false, true, n, false), 1);
        EXPECT_EQ(Last(1), (Bytes{0x5A, 0x08, 0, 0, 0x07, lines[n]})) << n;
    }
}

TEST_F(ProtocolTest, FailedCommandEndsTheSequence) {
    Start();
    instrument.Inject(Fault::CorruptEcho, 3);
    EXPECT_EQ(protocol.SetOutputCurrent(1.0f, 0.0f, false, false, true, 2, false), 0);
    EXPECT_EQ(CountFrames(kWritePorts), 0);
    EXPECT_EQ(CountFrames(kSetDacValue), 3);
}

TEST_F(ProtocolTest, OperationsLogTheirLine) {
    Start();
    DeviceStatus s;
    EXPECT_EQ(protocol.GetDeviceStatus(s, 3, false), 1);
    EXPECT_EQ(protocol.SetPumpFrequency(3, false), 1);
    EXPECT_EQ(protocol.AllOutputsOff(false), 1);
    EXPECT_EQ(Last(1), (Bytes{0x5A, 0x08, 0xB8, 0, 0x7F, 0}));
    EXPECT_EQ(Last(0), MakeSetDacValueFrame(0));
    transport.UUsbdAPI_CommandCancel();
    std::string log = Log();
    EXPECT_NE(log.find(" UUsbdAPI_CommandCancel(): command=faf0, dwTxLength=2, dwRxLength=0\n"),
              std::string::npos);
    EXPECT_NE(log.find(" GetDeviceStatus(): command=105a, dwTxLength=2, dwRxLength=22\n"),
              std::string::npos);
    EXPECT_NE(log.find("  EchoBackCommand(): command=65a, dwTxLength=4, dwRxLength=0\n"),
              std::string::npos);
}

TEST_F(ProtocolTest, StopMeasurementSwitchesOffOnlyAfterAStop) {
    Start();
    instrument.Inject(Fault::CorruptEcho, 3);
    op.Answer(IDCANCEL);
    EXPECT_EQ(protocol.StopMeasurement(true), 0);
    EXPECT_EQ(op.Messages().size(), 1u) << "the failed stop offers Repeat and Cancel";
    EXPECT_EQ(CountFrames(kWritePorts), 0);
    EXPECT_EQ(protocol.StopMeasurement(false), 1);
    EXPECT_EQ(Last(2), (Bytes{0x5A, 0x04, 1}));
}

TEST_F(ProtocolTest, PollingPostsAndStopWaitsForARunningCycle) {
    Start();
    CountingPollTarget target;
    instrument.SetLateMs(80);
    EXPECT_EQ(protocol.SetPollingWindow(&target), nullptr);
    while (target.posts.load() < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    instrument.Inject(Fault::LateAnswer);  // the next cycle is slow
    std::this_thread::sleep_for(std::chrono::milliseconds(45));
    EXPECT_EQ(protocol.SetPollingWindow(nullptr), &target);
    int posted = target.posts.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(target.posts.load(), posted) << "nothing posted after the stop returned";
    PollingData d;
    protocol.GetPollingData(d);
    EXPECT_EQ(d.status.bPortC(), kPortCProbe);
}

TEST_F(ProtocolTest, StoppingThePollingEndsTheRetriesOfAFailingCycle) {
    Start();
    CountingPollTarget target;
    instrument.Inject(Fault::LoseAnswer, 3);
    protocol.SetPollingWindow(&target);
    while (CountFrames(kGetDeviceStatus) < 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    protocol.SetPollingWindow(nullptr);  // while the first try still waits for its answer
    EXPECT_EQ(CountFrames(kGetDeviceStatus), 1);
    EXPECT_EQ(target.posts.load(), 0);
}

TEST_F(ProtocolTest, FailedPollKeepsTheLastStatusAndSaysSo) {
    Start();
    CountingPollTarget target;
    protocol.SetPollingWindow(&target);
    while (target.posts.load() < 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    instrument.Inject(Fault::WrongLengthByte, 3);
    int before = target.posts.load();
    while (target.posts.load() < before + 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    protocol.SetPollingWindow(nullptr);
    PollingData d;
    protocol.GetPollingData(d);
    EXPECT_EQ(d.lCommFailed, 0) << "the poll after the faults is fresh again";
    EXPECT_GE(transport.ReadStatistics().retryMaximum, 3u);
    EXPECT_EQ(d.status.bAdc0804(), 0x80);
}

// Keeps what the polling window would read at each notification.
class ReadingPollTarget final : public PollTarget {
public:
    explicit ReadingPollTarget(CDeviceProtocol& protocol) : m_protocol(protocol) {}
    void PostPollingNotify() override {
        PollingData d;
        m_protocol.GetPollingData(d);
        std::lock_guard<std::mutex> guard(m_lock);
        m_seen.push_back(d);
    }
    std::vector<PollingData> Seen() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_seen;
    }

private:
    CDeviceProtocol& m_protocol;
    std::mutex m_lock;
    std::vector<PollingData> m_seen;
};

TEST_F(ProtocolTest, APollThatFailsEveryTryReportsTheFailureAndItsCode) {
    Start();
    instrument.Inject(Fault::WrongLengthByte, 3);
    ReadingPollTarget target(protocol);
    protocol.SetPollingWindow(&target);
    while (target.Seen().size() < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    protocol.SetPollingWindow(nullptr);
    const std::vector<PollingData> seen = target.Seen();
    EXPECT_EQ(seen[0].lCommFailed, 1);
    EXPECT_EQ(seen[0].dwErrorCode, static_cast<std::uint32_t>(kUsbRxLength));
    EXPECT_EQ(seen[1].lCommFailed, 0);
    EXPECT_EQ(seen[1].dwErrorCode, static_cast<std::uint32_t>(kUsbOk));
}

TEST_F(ProtocolTest, SensitivityCodeLandsInPortABitsThreeToFive) {
    Start();
    struct Case {
        int sensitivity;
        std::uint8_t bits;
    };
    // Sensitivity code 5 (setting "4") is hardware 3; code 3 (the automatic choice of range 1) is
    // hardware 1; codes below 2 send hardware 0.
    for (const Case c : {Case{5, 0x18}, Case{3, 0x08}, Case{9, 0x38}, Case{0, 0x00}}) {
        EXPECT_EQ(protocol.SetSensitivity(c.sensitivity, false), 1);
        EXPECT_EQ(Last(), (Bytes{0x5A, 0x08, 0x38, c.bits, 0, 0})) << c.sensitivity;
        EXPECT_EQ(instrument.Sim().Status().bPortA() & 0x38, c.bits) << c.sensitivity;
    }
}

TEST_F(ProtocolTest, RelayCommandsSwitchTheirActiveLowPortBLine) {
    Start();
    struct Case {
        int (CDeviceProtocol::*command)(bool, bool);
        std::uint8_t line;
    };
    for (const Case c :
         {Case{&CDeviceProtocol::SetWNi, 0x20}, Case{&CDeviceProtocol::SetBalance, 0x40},
          Case{&CDeviceProtocol::SetReverse, 0x10}}) {
        EXPECT_EQ((protocol.*c.command)(true, false), 1);
        EXPECT_EQ(Last(), (Bytes{0x5A, 0x08, 0, 0, 0, c.line})) << "on clears the line";
        EXPECT_EQ(instrument.Sim().Status().bPortB() & c.line, 0);
        EXPECT_EQ((protocol.*c.command)(false, false), 1);
        EXPECT_EQ(Last(), (Bytes{0x5A, 0x08, 0, 0, c.line, 0})) << "off sets it";
        EXPECT_EQ(instrument.Sim().Status().bPortB() & c.line, c.line);
    }
}

TEST_F(ProtocolTest, StartElectrolysisSendsTheBlankingInMilliseconds) {
    Start();
    EXPECT_EQ(protocol.StartElectrolysis(800, 7, 250, 400, 0, false), 1);
    // 7 s = 7000 ms = 0x1B58; auto stop 250 = 0xFA; saturation 400 = 0x190.
    EXPECT_EQ(Last(),
              (Bytes{0x5A, 0x02, 0, 0x20, 0x03, 0x58, 0x1B, 0xFA, 0, 0, 0, 0x90, 0x01, 0, 0}));
}

TEST_F(ProtocolTest, SettlingWaitsASecondWhileEventsKeepBeingHandled) {
    Start();
    const std::uint32_t start = m_clock.TickMs();
    const int pumped = pump.calls;
    EXPECT_EQ(protocol.SetOutputCurrent(10.0f, 0.0f, false, true, false, 0, false), 1);
    EXPECT_GE(m_clock.TickMs() - start, 1000u);
    EXPECT_GE(pump.calls - pumped, 20) << "the wait handles events every 10 ms";
    EXPECT_EQ(Last(), (Bytes{0x5A, 0x08, 0, 0, 0, 0x08})) << "the probe follows the wait";
}

TEST_F(ProtocolTest, SimulationSendsEveryCommandToTheSimulator) {
    ASSERT_EQ(transport.UUsbdAPI_InitializeApp(true), 0u);
    CSimulatorState sim(m_clock);
    EXPECT_EQ(protocol.SetPumpFrequency(3, true), 1) << "no simulator: nothing is sent";
    protocol.SetSimulator(&sim);
    EXPECT_EQ(protocol.SetPumpFrequency(3, true), 1);
    EXPECT_EQ(protocol.StopElectrolysis(false, true), 1);
    DeviceStatus s;
    EXPECT_EQ(protocol.GetDeviceStatus(s, 3, true), 1);
    EXPECT_EQ(s.wPumpPeriod(), 3333);
    EXPECT_EQ(s.bEndReason(), kEndOperatorStop);
    EXPECT_EQ(transport.ReadStatistics().exchanges, 2u) << "the stop is not counted";
    EXPECT_EQ(busy.enters, 0);
    EXPECT_TRUE(instrument.Received().empty());
    CountingPollTarget target;
    protocol.SetPollingWindow(&target);
    while (target.posts.load() < 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    protocol.SetPollingWindow(nullptr);
    PollingData d;
    protocol.GetPollingData(d);
    EXPECT_EQ(d.status.wPumpPeriod(), 3333);
}

TEST_F(ProtocolTest, StartUpWithoutDeviceTellsTheOperator) {
    instrument.SetConnected(false);
    EXPECT_EQ(StartDeviceCommunication(protocol, op, false), 0);
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, "The device has not been connected.");
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Stop);
}

TEST_F(ProtocolTest, StartUpAndShutDownInOrder) {
    ASSERT_EQ(StartDeviceCommunication(protocol, op, false), 1);
    auto r = instrument.Received();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0], (Bytes{0xF0, 0xFA}));
    EXPECT_EQ(r[1], (Bytes{0x5A, 0x10}));
    EXPECT_EQ(r[2], (Bytes{0x5A, 0x08, 0xB8, 0, 0x7F, 0}));
    StopDeviceCommunication(protocol);
    EXPECT_EQ(Last(2), (Bytes{0x5A, 0x04, 1}));
    EXPECT_FALSE(transport.IsRunning());
}

}  // namespace
}  // namespace klv::test
