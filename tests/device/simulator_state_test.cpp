#include "device/simulator_state.h"

#include <gtest/gtest.h>

#include "device/device_frames.h"
#include "support/settable_clock.h"

namespace klv::test {
namespace {

class SimulatorTest : public ::testing::Test {
protected:
    void Send(const Frame& f) {
        sim.Command(f.data(), static_cast<std::uint32_t>(f.size()), nullptr);
    }
    void Run(std::uint32_t ms) {
        for (std::uint32_t t = 0; t < ms; t += 10) {
            clock.Advance(10);
            sim.RunTimers();
        }
    }
    SettableClock clock;
    CSimulatorState sim{clock};
};

TEST_F(SimulatorTest, InitialState) {
    DeviceStatus s = sim.Status();
    EXPECT_EQ(s.bPortA(), 0x01);
    EXPECT_EQ(s.bPortB(), 0x7F);
    EXPECT_EQ(s.bPortC(), 0x04);
    EXPECT_EQ(s.bAdc0804(), 0x80);
    EXPECT_EQ(s.wFlags(), 0);
}

TEST_F(SimulatorTest, TripArmsAfterTheBlankingTimeAndEndsWithReason3) {
    clock.Advance(100000);  // the blanking counts from the start, not from the clock's zero
    Send(MakeStartElectrolysisFrame(0, 400, 5000, 0, 0));
    EXPECT_TRUE(sim.Status().IsBlanking());
    sim.Trip();
    EXPECT_TRUE(sim.Status().IsRunning()) << "not armed during blanking";
    Run(4950);
    EXPECT_FALSE(sim.Status().bPortB() & kPortBTripArmed);
    Run(100);
    EXPECT_FALSE(sim.Status().IsBlanking());
    EXPECT_TRUE(sim.Status().bPortB() & kPortBTripArmed);
    sim.Trip();
    DeviceStatus s = sim.Status();
    EXPECT_TRUE(s.IsEnded());
    EXPECT_FALSE(s.IsRunning());
    EXPECT_EQ(s.bEndReason(), kEndPlating);
    EXPECT_EQ(s.bPortB(), 0x7F);
    EXPECT_EQ(s.bPortA(), 0x01);
    EXPECT_FALSE(sim.TimersRunning());
}

TEST_F(SimulatorTest, WithoutBlankingTheTripIsArmedAtTheStart) {
    Send(MakeStartElectrolysisFrame(0, 400, 0, 0, 0));
    EXPECT_FALSE(sim.Status().IsBlanking());
    EXPECT_TRUE(sim.Status().bPortB() & kPortBTripArmed);
}

TEST_F(SimulatorTest, Flags5LatchBit1AndKeepRunning) {
    Send(MakeStartElectrolysisFrame(5, 100, 2000, 0, 0));
    EXPECT_FALSE(sim.Status().IsBlanking()) << "flag bit 0 skips the blanking";
    EXPECT_TRUE(sim.Status().bPortB() & kPortBTripArmed);
    sim.Trip();
    DeviceStatus s = sim.Status();
    EXPECT_TRUE(s.IsEndDetected());
    EXPECT_TRUE(s.IsRunning());
    EXPECT_FALSE(s.bPortB() & kPortBTripArmed);
    Send(MakeClearEndDetectFrame());
    Send(MakeWritePortsFrame(0, 0, kPortBTripArmed, 0));
    EXPECT_FALSE(sim.Status().IsEndDetected());
    sim.Trip();
    EXPECT_TRUE(sim.Status().IsEndDetected());
    EXPECT_TRUE(sim.Status().IsRunning());
}

TEST_F(SimulatorTest, IgnoredEndDetectionNeverTrips) {
    Send(MakeStartElectrolysisFrame(2, 100, 0, 0, 0));
    EXPECT_FALSE(sim.Status().bPortB() & kPortBTripArmed);
    Send(MakeWritePortsFrame(0, 0, kPortBTripArmed, 0));
    sim.Trip();
    EXPECT_TRUE(sim.Status().IsRunning());
}

TEST_F(SimulatorTest, AutoStopAndSaturationEndTheRun) {
    Send(MakeStartElectrolysisFrame(0, 400, 0, 10, 0));
    Run(3990);
    EXPECT_EQ(sim.Status().dwCount(), 9u);
    Run(10);
    EXPECT_EQ(sim.Status().dwCount(), 10u);
    EXPECT_EQ(sim.Status().bEndReason(), kEndAutoStop);
    EXPECT_EQ(sim.Status().dwElapsed(), 4000u) << "elapsed follows the 50 ms timer";
    Send(MakeStartElectrolysisFrame(0, 100, 0, 0, 3));
    EXPECT_EQ(sim.Status().dwCount(), 0u);
    EXPECT_EQ(sim.Status().dwElapsed(), 0u) << "a new run counts its own time";
    EXPECT_FALSE(sim.Status().IsEnded());
    Run(300);
    EXPECT_EQ(sim.Status().bEndReason(), kEndSaturation);
}

TEST_F(SimulatorTest, StopPumpPortsDacAndCalibration) {
    Send(MakeStartElectrolysisFrame(0, 100, 0, 0, 0));
    Send(MakeStopElectrolysisFrame(true));
    EXPECT_EQ(sim.Status().bEndReason(), kEndAbort);
    Send(MakeSetPumpFrequencyFrame(5));
    EXPECT_EQ(sim.Status().wPumpPeriod(), 2000);
    EXPECT_TRUE(sim.Status().bPortA() & kPortAPump);
    Send(MakeSetPumpFrequencyFrame(0));
    EXPECT_FALSE(sim.Status().bPortA() & kPortAPump);
    Send(MakeWritePortsFrame(0x01, 0x18, 0x00, 0x21));
    EXPECT_EQ(sim.Status().bPortA(), 0x18);
    EXPECT_EQ(sim.Status().bPortB(), 0x5E);
    Send(MakeSetDacValueFrame(1234));
    EXPECT_EQ(sim.Status().wAd5541(), 1234);
    std::array<std::uint8_t, kCalibrationLength> block{};
    block[0] = 0xAB;
    block[39] = 0xCD;
    Send(MakeSetCurrentCalibrateFrame(block));
    std::uint8_t back[kCalibrationLength] = {};
    Frame q = MakeQueryFrame(kMechaGetCurrentCalibrate);
    sim.Command(q.data(), 2, back);
    EXPECT_EQ(back[0], 0xAB);
    EXPECT_EQ(back[39], 0xCD);
}

TEST_F(SimulatorTest, UpDownStepsClamp) {
    sim.StepAd976(-1, 4096);
    EXPECT_EQ(sim.Status().sAd976(), 4096);
    for (int i = 0; i < 7; ++i)
        sim.StepAd976(-1, 4096);
    EXPECT_EQ(sim.Status().sAd976(), 32767);
    sim.StepAd976(20, 4096);
    EXPECT_EQ(sim.Status().sAd976(), -32768);
    sim.StepAdc0804(-1, 16);
    EXPECT_EQ(sim.Status().bAdc0804(), 0x90);
    sim.StepAdc0804(-10, 16);
    EXPECT_EQ(sim.Status().bAdc0804(), 255);
    sim.StepAdc0804(300, 1);
    EXPECT_EQ(sim.Status().bAdc0804(), 0);
    std::uint32_t rev = sim.Revision();
    sim.SetProbe(false);
    EXPECT_FALSE(sim.Status().IsProbeConnected());
    EXPECT_NE(sim.Revision(), rev);
}

TEST(DeviceStatusTest, PotentialTruncatesTowardZero) {
    DeviceStatus s;
    s.SetAd976(-3);
    EXPECT_EQ(s.PotentialMv(), 0);
    s.SetAd976(32767);
    EXPECT_EQ(s.PotentialMv(), 10000);
    s.SetAd976(-16384);
    EXPECT_EQ(s.PotentialMv(), -5000);
}

}  // namespace
}  // namespace klv::test
