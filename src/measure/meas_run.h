#pragma once

#include <cstdint>

#include "base/operator.h"
#include "device/device_status.h"
#include "measure/count_limits.h"
#include "measure/poll_result.h"
#include "measure/potential_trace_hooks.h"
#include "measure/run_dialogs.h"
#include "measure/run_instrument.h"
#include "measure/run_sounds.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

// Failed polls at which the error box shows, at which the operator is asked whether to end,
// and to which the count falls back after the question.
inline constexpr std::uint32_t kCommFailuresBox = 3;
inline constexpr std::uint32_t kCommFailuresAsk = 40;

// Display mode set when a WT coefficient has been applied to the value.
inline constexpr int kDisplayModeWtApplied = 1;

// The layer start and the evaluation of every poll, shared by the main window, the standard
// calibration and the measurement by potential graph observation. User-interface thread.
class CMeasRun {
public:
    CMeasRun(RunInstrument& instrument, RunDialogs& dialogs, PotentialTraceHooks& trace,
             RunSounds& sounds, Operator& op, const CalibrationStore& calibration);

    // 1 = the electrolysis runs, 0 = a command failed (the outputs are off).
    int StartLayer(const MeasFileData& d, int layer, int displayMode, bool fresh);
    // 1 = evaluate further (or end the measurement when end requested is set), 0 = nothing more.
    int PreparePollResult(const PollingData& poll, PollResult& result);
    void EvaluatePoll(const PollingData& poll, PollResult& result, bool acceptAtOnce);

    void SetCalibrationMode(int mode) { m_calibrationMode = mode; }
    // The operator watches the potential: no auto stop, saturation or maximum count.
    void SetObservationMode(bool on) { m_observation = on; }
    int CalibrationMode() const { return m_calibrationMode; }
    int DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(int mode) { m_displayMode = mode; }
    std::uint32_t Layer() const { return m_layer; }
    std::uint32_t CommFailures() const { return m_commFailures; }
    std::uint32_t CarriedCount() const { return m_carriedCount; }
    const CountLimits& Limits() const { return m_limits; }
    bool IsGuardHeld() const { return m_pollGuard != 0; }

private:
    float RunningValue(const PollingData& poll) const;
    void StopPolling();
    bool ContinueLayer(const PollingData& poll);
    bool AskChangeSolutionAndContinue(const PollingData& poll);
    void EvaluateRunning(const PollingData& poll, PollResult& result);
    void EvaluateEnded(const PollingData& poll, PollResult& result, bool acceptAtOnce);
    void EvaluateOperatorStop(const PollingData& poll, PollResult& result, bool acceptAtOnce);
    void Invalid(PollResult& result) const;
    void Accept(float value, PollResult& result) const;

    RunInstrument& m_instrument;
    RunDialogs& m_dialogs;
    PotentialTraceHooks& m_trace;
    RunSounds& m_sounds;
    Operator& m_operator;
    const CalibrationStore& m_calibration;

    const MeasFileData* m_condition = nullptr;
    std::uint32_t m_layer = 0;
    std::int32_t m_displayMode = 0;
    std::int32_t m_calibrationMode = 0;
    bool m_observation = false;
    std::int32_t m_pollGuard = 0;
    std::uint32_t m_commFailures = 0;
    std::uint32_t m_carriedCount = 0;
    CountLimits m_limits;
    PollTarget* m_previousTarget = nullptr;
};

}  // namespace klv
