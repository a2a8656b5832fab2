#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

#include "base/clock.h"
#include "device/device_status.h"
#include "device/usb_statistics.h"

namespace klv {

// Control ids of the simulator's up-down controls.
inline constexpr int kSimAd976Step1 = 1803;
inline constexpr int kSimAd976Step16 = 1804;
inline constexpr int kSimAd976Step256 = 1805;
inline constexpr int kSimAd976Step4096 = 1806;
inline constexpr int kSimAdc0804Step16 = 1809;
inline constexpr int kSimAdc0804Step1 = 1808;

// The instrument as the simulator plays it: the status record, the calibration store and
// the two timers, driven by the clock. The polling cycle reads the status from the
// transport thread, so every access goes through one lock.
class CSimulatorState {
public:
    explicit CSimulatorState(Clock& clock, UsbStatistics* statistics = nullptr);

    void Reset();
    // One command frame; `answer` receives the status record or calibration block of a
    // query (it may be null). Frames too short for their command are ignored.
    void Command(const std::uint8_t* frame, std::size_t length, std::uint8_t* answer);
    // Fires the timers that are due by the clock (timer 1 every 50 ms, timer 2 every
    // count period).
    void RunDueTimers();
    void Trip();
    void SetProbe(bool connected);
    // An up-down notification with step delta d subtracts d x step.
    void StepControl(int controlId, int delta);

    DeviceStatus Status() const;
    CurrentCalibration Calibration() const;
    bool TripArmed() const;
    bool TimersRunning() const;

    // Called after every change, on the thread that made it.
    void SetChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    void EndLocked(std::uint8_t reason);
    void StartLocked(const std::uint8_t* frame);
    void Timer1Locked(std::uint32_t now);
    void Timer2Locked();
    void Changed();

    Clock& m_clock;
    UsbStatistics* m_statistics;
    mutable std::mutex m_lock;
    DeviceStatus m_status;
    CurrentCalibration m_calibration;
    std::uint8_t m_startFlags = 0;
    std::uint16_t m_countPeriod = 0;
    std::uint16_t m_blanking = 0;
    std::uint32_t m_autoStop = 0;
    std::uint32_t m_saturation = 0;
    std::uint32_t m_startTime = 0;
    bool m_timers = false;
    std::uint32_t m_next1 = 0;
    std::uint32_t m_next2 = 0;
    std::function<void()> m_listener;
};

}  // namespace klv
