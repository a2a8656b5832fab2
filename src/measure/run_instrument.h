#pragma once

#include <cstdint>
#include <string>

#include "device/device_status.h"
#include "device/poll_target.h"

namespace klv {

// The instrument as a measurement run drives it: the layer's settings, the start and stop of
// the electrolysis, the polling target and the communication error box.
class RunInstrument {
public:
    virtual ~RunInstrument() = default;

    // One busy scope around a layer start; nested calls pass through.
    virtual void EnterCommandScope() = 0;
    virtual void LeaveCommandScope() = 0;

    virtual int SetWNi(bool on) = 0;
    virtual int SetOutputCurrent(float currentMa, float correctionPercent) = 0;
    virtual int SetPumpFrequency(std::uint8_t frequencyHz) = 0;
    virtual int SetSensitivity(int setting, int rangeCode) = 0;
    virtual int SetBalance(bool on) = 0;
    virtual int StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                                  std::uint32_t autoStopCount, std::uint32_t saturationCount) = 0;
    virtual int AllOutputsOffSilently() = 0;
    virtual int StopMeasurement(bool abort) = 0;

    // Returns the previous target.
    virtual PollTarget* SetPollingWindow(PollTarget* target) = 0;
    virtual void GetPollingData(PollingData& dest) = 0;
    // The OK-only communication error box with the text of a transport error code.
    virtual void ShowCommunicationError(std::uint32_t errorCode) = 0;
};

}  // namespace klv
