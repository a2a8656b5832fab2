#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "base/ui_pump.h"
#include "device/busy_scope.h"
#include "device/command_frames.h"
#include "device/device_seams.h"
#include "device/device_status.h"
#include "device/usb_transport.h"

namespace klv {

class CSimulatorState;

// The command layer the measurement logic calls. Every operation returns 1 on success and
// 0 on failure; showErrors lets the exchange offer the communication error box. Command
// operations run on the UI thread; the polling cycle runs on the transport thread.
class CDeviceProtocol final : private IdleCallback {
public:
    CDeviceProtocol(CUsbTransport& transport, UiPump& pump, BusyUi* busy = nullptr);
    ~CDeviceProtocol() override;
    CDeviceProtocol(const CDeviceProtocol&) = delete;
    CDeviceProtocol& operator=(const CDeviceProtocol&) = delete;

    // Simulation: every command goes to the simulator instead of the transport. With
    // none attached (its window closed) commands still succeed and nothing is sent.
    void SetSimulation(bool on) { m_simulation.store(on, std::memory_order_release); }
    void AttachSimulator(CSimulatorState* simulator) {
        m_simulator.store(simulator, std::memory_order_release);
    }
    bool IsSimulation() const { return m_simulation.load(std::memory_order_acquire); }
    // The busy state composite operations open their scope on.
    BusyState& Busy() { return m_busy; }

    int EchoBackCommand(const std::uint8_t* frame, std::uint32_t txLength, bool showErrors,
                        std::uint32_t rxTimeoutMs = kCommandTimeoutMs);
    int GetDeviceStatus(DeviceStatus& destination, int tries, bool showErrors);
    int MechaGetCurrentCalibrate(CurrentCalibration& destination, bool showErrors);
    int MechaSetCurrentCalibrate(const CurrentCalibration& block, bool showErrors);
    int StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                          std::uint32_t autoStopCount, std::uint32_t saturationCount,
                          std::uint8_t startFlags, bool showErrors);
    int StopElectrolysis(bool abort, bool showErrors);
    int SetPumpFrequency(std::uint8_t hertz, bool showErrors);
    int WritePorts(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB, std::uint8_t clearB,
                   bool showErrors);
    int SetWNi(bool on, bool showErrors);
    int SetBalance(bool on, bool showErrors);
    int SetReverse(bool on, bool showErrors);
    // automaticSensitivity: the sensitivity "Automatic" stands for with the layer's current
    // range (3 or 4; 0 for the device checks' range code 0).
    int SetSensitivity(int setting, int automaticSensitivity, bool showErrors);
    int ClearEndDetect(bool showErrors);
    int SetOutputCurrent(float currentMa, float correctionPercent, bool reverse, bool settle,
                         bool nominal, int rangeIndex, bool showErrors);
    // The current calibration dialog's working copy, used instead of the instrument's block
    // while it is set (null = none).
    void SetCalibrationWorkingCopy(const CurrentCalibration* copy) { m_workingCopy = copy; }
    int AllOutputsOff(bool showErrors);
    int StopMeasurement(bool abort);

    // Starts polling to the target, or stops it with none; returns the previous target.
    // Stopping returns only after a running cycle has posted its notification.
    PollTarget* SetPollingWindow(PollTarget* target);
    void GetPollingData(PollingData& destination);
    int CreatePollingEvent();
    void ClosePollingEvent();

    // Whether a target current ever needed a DAC code above 65535 (clamped).
    bool DacWasClamped() const { return m_dacClamped; }

private:
    void OnIdle() override;
    void PollOnce(PollingData& next);
    int Setting(const Frame& frame, bool showErrors,
                std::uint32_t rxTimeoutMs = kCommandTimeoutMs);
    int Query(std::uint16_t word, std::uint8_t* destination, std::uint32_t length, int tries,
              bool showErrors, const char* logFormat);
    void SendToSimulator(const std::uint8_t* frame, std::size_t length, std::uint8_t* answer);

    CUsbTransport& m_transport;
    UiPump& m_pump;
    BusyState m_busy;
    std::atomic<bool> m_simulation{false};
    std::atomic<CSimulatorState*> m_simulator{nullptr};
    const CurrentCalibration* m_workingCopy = nullptr;
    bool m_dacClamped = false;

    std::atomic<PollTarget*> m_target{nullptr};
    std::atomic<bool> m_pollStop{true};
    std::atomic<bool> m_cycleRunning{false};
    std::mutex m_pollingLock;
    bool m_pollingEvent = false;
    PollingData m_polling;
};

}  // namespace klv
