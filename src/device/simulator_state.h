#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "base/clock.h"
#include "device/device_status.h"

namespace klv {

// The instrument's stand-in: its status record, calibration store and timers. The window
// plays the operator's side; the polling thread reads the record, so every access locks.
class CSimulatorState {
public:
    explicit CSimulatorState(Clock& clock);

    // One command frame; `answer` receives the 22 or 40 answer bytes of a query.
    void Command(const std::uint8_t* frame, std::uint32_t length, std::uint8_t* answer);
    // Runs the timers that fell due since the last call.
    void RunTimers();
    void Trip();
    void SetProbe(bool connected);
    // Up-down controls: a step delta d subtracts d × step.
    void StepAd976(int delta, int step);
    void StepAdc0804(int delta, int step);

    DeviceStatus Status() const;
    void CopyStatus(std::uint8_t* dst) const;
    std::array<std::uint8_t, kCalibrationLength> CalibrationStore() const;
    bool TimersRunning() const;
    // Changes with every change of the state, so a window knows when to refresh.
    std::uint32_t Revision() const { return m_revision.load(std::memory_order_acquire); }

private:
    void End(std::uint8_t reason);
    void Changed() { m_revision.fetch_add(1, std::memory_order_acq_rel); }

    Clock& m_clock;
    mutable std::mutex m_lock;
    DeviceStatus m_status;
    std::array<std::uint8_t, kCalibrationLength> m_calibration{};
    std::uint8_t m_startFlags = 0;
    std::uint16_t m_countPeriod = 0;
    std::uint16_t m_blanking = 0;
    std::uint32_t m_autoStop = 0;
    std::uint32_t m_saturation = 0;
    std::uint32_t m_startTime = 0;
    bool m_timersOn = false;
    std::uint32_t m_nextTimer1 = 0;
    std::uint32_t m_nextTimer2 = 0;
    std::atomic<std::uint32_t> m_revision{0};
};

// Whether a simulated command counts as an exchange in the communication statistics.
bool SimulatorCountsCommand(std::uint16_t word);

}  // namespace klv
