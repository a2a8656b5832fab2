#pragma once

#include <optional>

#include "device/busy_scope.h"
#include "device/device_protocol.h"
#include "measure/run_instrument.h"
#include "reference/layer_setting_tables.h"

namespace klv {

// The run's commands on the real protocol, every one allowed to show the error box.
class CProtocolRunInstrument final : public RunInstrument {
public:
    explicit CProtocolRunInstrument(CDeviceProtocol& protocol) : m_protocol(protocol) {}

    void EnterCommandScope() override;
    void LeaveCommandScope() override;
    int SetWNi(bool on) override { return m_protocol.SetWNi(on, true); }
    int SetOutputCurrent(float currentMa, float correctionPercent) override;
    int SetPumpFrequency(std::uint8_t frequencyHz) override {
        return m_protocol.SetPumpFrequency(frequencyHz, true);
    }
    int SetSensitivity(int setting, int rangeCode) override {
        return m_protocol.SetSensitivity(GetEffectiveSensitivity(setting, rangeCode), true);
    }
    int SetBalance(bool on) override { return m_protocol.SetBalance(on, true); }
    int StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                          std::uint32_t autoStopCount, std::uint32_t saturationCount) override;
    int AllOutputsOffSilently() override { return m_protocol.AllOutputsOff(false); }
    int StopMeasurement(bool abort) override { return m_protocol.StopMeasurement(abort); }
    PollTarget* SetPollingWindow(PollTarget* target) override {
        return m_protocol.SetPollingWindow(target);
    }
    void GetPollingData(PollingData& dest) override { m_protocol.GetPollingData(dest); }
    void ShowCommunicationError(std::uint32_t errorCode) override;

private:
    CDeviceProtocol& m_protocol;
    int m_depth = 0;
    std::optional<CBusyScope> m_scope;
};

}  // namespace klv
