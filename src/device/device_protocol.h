#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "base/clock.h"
#include "base/ui_pump.h"
#include "device/busy_scope.h"
#include "device/device_status.h"
#include "device/output_current.h"
#include "device/poll_target.h"
#include "device/simulator_state.h"
#include "device/usb_transport.h"

namespace klv {

// The instrument's commands as the measurement logic calls them, the background polling of
// its state and the hand-over to the simulator in simulation mode. User-interface thread,
// except the polling cycle, which runs on the transport thread.
class CDeviceProtocol final : private TransportIdle {
public:
    CDeviceProtocol(CUsbTransport& transport, UiPump& pump, BusyScopeHost& busy, Clock& clock);
    ~CDeviceProtocol() override;

    // With simulation on, commands go to this simulator; none = its window is closed.
    void SetSimulator(CSimulatorState* simulator) { m_simulator.store(simulator); }
    // The working copy of the current calibration dialog, used instead of asking the device.
    void SetCalibrationOverride(const CurrentCalibration* cal) { m_calOverride = cal; }

    int EchoBackCommand(const std::uint8_t* frame, std::uint32_t length, bool showErrors,
                        std::uint32_t rxTimeoutMs = kRxTimeoutMs);
    int GetDeviceStatus(std::uint8_t* dest22, int tries, bool showErrors);
    int GetDeviceStatus(DeviceStatus& dest, int tries, bool showErrors) {
        return GetDeviceStatus(dest.bytes.data(), tries, showErrors);
    }
    int MechaGetCurrentCalibrate(std::uint8_t* dest40, bool showErrors);
    int MechaSetCurrentCalibrate(const std::uint8_t* block40, bool showErrors);
    int StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                          std::uint32_t autoStopCount, std::uint32_t saturationCount,
                          std::uint8_t startFlags, bool showErrors);
    int StopElectrolysis(bool abort, bool showErrors);
    int SetPumpFrequency(std::uint8_t frequencyHz, bool showErrors);
    int WritePorts(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB, std::uint8_t clearB,
                   bool showErrors);
    int SetWNi(bool on, bool showErrors);
    int SetBalance(bool on, bool showErrors);
    int SetReverse(bool on, bool showErrors);
    int SetSensitivity(int sensitivity, bool showErrors);
    int ClearEndDetect(bool showErrors);
    int SetOutputCurrent(float currentMa, float correctionPercent, bool reverse, bool settle,
                         bool nominal, int rangeIndex, bool showErrors);
    int AllOutputsOff(bool showErrors);
    int StopMeasurement(bool abort);

    PollTarget* SetPollingWindow(PollTarget* target);
    void GetPollingData(PollingData& dest);
    int CreatePollingEvent();
    void ClosePollingEvent() { m_pollingEventCreated = false; }

    CUsbTransport& Transport() { return m_transport; }
    BusyScopeHost& Busy() { return m_busy; }

private:
    void OnTransportIdle(TransportPort& port) override;
    bool Simulating() const { return m_transport.IsSimulation(); }
    void Simulate(const std::uint8_t* frame, std::uint32_t length, std::uint8_t* answer);
    int Send(const Frame& frame, bool showErrors) {
        return EchoBackCommand(frame.data(), static_cast<std::uint32_t>(frame.size()), showErrors);
    }
    int Query(std::uint16_t word, std::uint8_t* dest, std::uint32_t length, int tries,
              bool showErrors, const char* logFormat);

    CUsbTransport& m_transport;
    UiPump& m_pump;
    BusyScopeHost& m_busy;
    Clock& m_clock;
    const CurrentCalibration* m_calOverride = nullptr;
    std::atomic<CSimulatorState*> m_simulator{nullptr};

    std::mutex m_pollingLock;  // guards m_polling
    PollingData m_polling;
    bool m_pollingEventCreated = false;
    std::mutex m_targetLock;  // a target is never posted to after it was replaced
    PollTarget* m_target = nullptr;
    std::atomic<bool> m_pollStop{true};  // ends the retries of a running cycle early
};

}  // namespace klv
