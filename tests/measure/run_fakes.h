#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "measure/meas_run.h"
#include "reference/coating_table.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"

namespace klv::test {

// The run's instrument: records every command, fails the one named in `failOn`.
class FakeRunInstrument final : public RunInstrument {
public:
    void EnterCommandScope() override { ++scopes; }
    void LeaveCommandScope() override { --scopes; }
    int SetWNi(bool on) override { return Call("SetWNi " + std::to_string(on)); }
    int SetOutputCurrent(float currentMa, float correctionPercent) override {
        current = currentMa;
        correction = correctionPercent;
        return Call("SetOutputCurrent");
    }
    int SetPumpFrequency(std::uint8_t hz) override {
        return Call("SetPumpFrequency " + std::to_string(hz));
    }
    int SetSensitivity(int setting, int rangeCode) override {
        return Call("SetSensitivity " + std::to_string(setting) + " " + std::to_string(rangeCode));
    }
    int SetBalance(bool on) override { return Call("SetBalance " + std::to_string(on)); }
    int StartElectrolysis(std::uint16_t periodMs, std::uint8_t blanking, std::uint32_t autoStop,
                          std::uint32_t saturation) override {
        return Call("StartElectrolysis " + std::to_string(periodMs) + " " +
                    std::to_string(blanking) + " " + std::to_string(autoStop) + " " +
                    std::to_string(saturation));
    }
    int AllOutputsOffSilently() override { return Call("AllOutputsOff"); }
    int StopMeasurement(bool abort) override {
        return Call("StopMeasurement " + std::to_string(abort));
    }
    PollTarget* SetPollingWindow(PollTarget* t) override {
        PollTarget* previous = target;
        target = t;
        return previous;
    }
    void GetPollingData(PollingData& dest) override { dest = polling; }
    void ShowCommunicationError(std::uint32_t code) override { errorBoxes.push_back(code); }

    int Count(const std::string& prefix) const {
        int n = 0;
        for (const auto& c : calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }

    std::vector<std::string> calls;
    std::string failOn;  // prefix of the command that fails
    std::vector<std::uint32_t> errorBoxes;
    PollTarget* target = nullptr;
    PollingData polling;
    float current = 0;
    float correction = 0;
    int scopes = 0;

private:
    int Call(const std::string& call) {
        calls.push_back(call);
        return failOn.empty() || call.rfind(failOn, 0) != 0 ? 1 : 0;
    }
};

class ScriptedRunDialogs final : public RunDialogs {
public:
    int AskMeasureStop(float valueInUnit, const MeasFileData&, int) override {
        asked.push_back(561);
        offeredValue = valueInUnit;
        return stopChoice;
    }
    int AskAutoStop() override {
        asked.push_back(560);
        return autoStopAnswer;
    }
    float AskCorrectedValue(float valueInUnit, const MeasFileData&, int) override {
        asked.push_back(563);
        offeredValue = valueInUnit;
        return correctedValue;
    }
    int stopChoice = kStopKeepData;
    int autoStopAnswer = kAutoStopStart;
    float correctedValue = 0;
    float offeredValue = -1;
    std::vector<int> asked;
};

class RecordingTrace final : public PotentialTraceHooks {
public:
    void PrepareLayer(const MeasFileData&, int, int, bool fresh) override {
        prepared.push_back(fresh);
    }
    void AddSample(const PollingData&) override { ++samples; }
    void EndLayer() override { ++ends; }
    std::vector<bool> prepared;
    int samples = 0;
    int ends = 0;
};

class RecordingSounds final : public RunSounds {
public:
    void PlayEventSound(RunSound s) override { played.push_back(s); }
    void StopEventSound() override { ++stops; }
    std::vector<RunSound> played;
    int stops = 0;
};

class DummyTarget final : public PollTarget {
public:
    void PostPollingNotify() override {}
};

// One polled status of the instrument.
inline PollingData Poll(std::uint32_t count, std::uint16_t flags = kStatusRunning,
                        std::uint8_t reason = 0, bool probe = true) {
    PollingData p;
    p.status.SetFlags(flags);
    p.status.SetEndReason(reason);
    p.status.SetCount(count);
    p.status.SetPortC(probe ? kPortCProbe : 0);
    return p;
}

inline PollingData Ended(std::uint32_t count, std::uint8_t reason) {
    return Poll(count, kStatusEnded, reason);
}

inline PollingData Failed(std::uint32_t errorCode = 7) {
    PollingData p;
    p.lCommFailed = 1;
    p.dwErrorCode = errorCode;
    return p;
}

}  // namespace klv::test
