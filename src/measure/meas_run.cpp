#include "measure/meas_run.h"

#include <cstdio>
#include <cstring>

#include "base/line_log.h"
#include "measure/run_messages.h"
#include "reference/condition_rules.h"
#include "reference/layer_output_current.h"
#include "reference/resolution_table.h"
#include "reference/unit_gasket_tables.h"
#include "results/thickness.h"

namespace klv {

namespace {

// Closes the command scope on every way out of a layer start.
class CommandScope {
public:
    explicit CommandScope(RunInstrument& instrument) : m_instrument(instrument) {
        m_instrument.EnterCommandScope();
    }
    ~CommandScope() { m_instrument.LeaveCommandScope(); }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    RunInstrument& m_instrument;
};

}  // namespace

CMeasRun::CMeasRun(RunInstrument& instrument, RunDialogs& dialogs, PotentialTraceHooks& trace,
                   RunSounds& sounds, Operator& op, const CalibrationStore& calibration)
    : m_instrument(instrument),
      m_dialogs(dialogs),
      m_trace(trace),
      m_sounds(sounds),
      m_operator(op),
      m_calibration(calibration),
      // Nothing is evaluated before the first layer start.
      m_pollGuard(1) {}

int CMeasRun::StartLayer(const MeasFileData& d, int layer, int displayMode, bool fresh) {
    m_displayMode = displayMode;
    m_condition = &d;
    m_layer = static_cast<std::uint32_t>(layer);
    m_pollGuard = 0;
    m_commFailures = 0;
    if (fresh)
        m_carriedCount = 0;

    const LayerCondition& coat = d.coat[layer];
    const ResolutionRow* row = FindResolution(d.bUnit, coat.bRange);
    if (row == nullptr) {
        // Without a count period no electrolysis can be timed; the outputs stay off.
        LogPrint(1, " StartLayer(): no resolution for unit %d, range %d\n", d.bUnit, coat.bRange);
        m_operator.ShowMessage(kMsgNoResolution, MsgIcon::Exclamation, MsgButtons::Ok);
        m_pollGuard = 1;
        return 0;
    }
    const bool wNi = m_calibrationMode == 0 && IsNickelOnNickel(d, layer);
    const float current = GetOutputCurrent(d, layer, true);
    float correction = 0.0f;
    if (d.bGasket != kGasketWT && m_calibrationMode == 0 && d.bGasket < kGasketRecordCount)
        correction = m_calibration.gasket[d.bGasket].fCalValue;
    m_limits = m_observation ? CountLimits{} : ComputeCountLimits(d, layer);

    {
        CommandScope scope(m_instrument);
        const bool started = m_instrument.SetWNi(wNi) &&
                             m_instrument.SetOutputCurrent(current, correction) &&
                             m_instrument.SetPumpFrequency(coat.bPump) &&
                             m_instrument.SetSensitivity(coat.bSensitivity, coat.bRange) &&
                             m_instrument.SetBalance(!wNi) &&
                             m_instrument.StartElectrolysis(row->countPeriodMs, coat.bBlanking,
                                                            m_limits.autoStop, m_limits.saturation);
        if (!started) {
            m_instrument.AllOutputsOffSilently();
            m_pollGuard = 1;
            return 0;
        }
    }
    m_trace.PrepareLayer(d, layer, displayMode, fresh);
    return 1;
}

float CMeasRun::RunningValue(const PollingData& poll) const {
    return ThicknessFromCount(*m_condition, static_cast<int>(m_layer),
                              static_cast<std::int32_t>(poll.status.dwCount()),
                              static_cast<std::int32_t>(m_carriedCount));
}

int CMeasRun::PreparePollResult(const PollingData& poll, PollResult& result) {
    if (m_pollGuard++ != 0) {
        --m_pollGuard;
        return 0;
    }
    std::memset(&result, 0, sizeof result);
    if (poll.lCommFailed) {
        ++m_commFailures;
        if (m_commFailures == kCommFailuresBox) {
            m_instrument.ShowCommunicationError(poll.dwErrorCode);
        } else if (m_commFailures >= kCommFailuresAsk) {
            if (m_operator.ShowMessage(kMsgCommErrorContinuing, MsgIcon::Exclamation,
                                       MsgButtons::YesNo) == IDYES)
                result.fEndRequested = 1;
            m_commFailures = kCommFailuresBox;
        }
        --m_pollGuard;
        return result.fEndRequested;
    }
    const float v = RunningValue(poll);
    FormatPollTexts(*m_condition, static_cast<int>(m_layer), v, m_displayMode, false, result);
    return 1;
}

void CMeasRun::StopPolling() {
    m_previousTarget = m_instrument.SetPollingWindow(nullptr);
    m_trace.EndLayer();
}

// Restarts the layer after a solution change; the counts so far carry over.
bool CMeasRun::ContinueLayer(const PollingData& poll) {
    const std::uint32_t count = poll.status.dwCount();
    if (!StartLayer(*m_condition, static_cast<int>(m_layer), m_displayMode, false))
        return false;
    m_carriedCount += count;
    m_instrument.SetPollingWindow(m_previousTarget);
    return true;
}

bool CMeasRun::AskChangeSolutionAndContinue(const PollingData& poll) {
    return m_operator.ShowMessage(kMsgChangeSolution, MsgIcon::Exclamation, MsgButtons::OkCancel) ==
               IDOK &&
           ContinueLayer(poll);
}

void CMeasRun::Invalid(PollResult& result) const {
    MakeInvalidResult(*m_condition, static_cast<int>(m_layer), m_displayMode, result);
}

void CMeasRun::Accept(float value, PollResult& result) const {
    result.fValue = value;
    result.fHasResult = 1;
}

void CMeasRun::EvaluatePoll(const PollingData& poll, PollResult& result, bool acceptAtOnce) {
    if (m_condition == nullptr)
        return;
    if (!poll.status.IsProbeConnected()) {
        StopPolling();
        m_sounds.PlayEventSound(RunSound::ProbeOpen);
        m_instrument.StopMeasurement(true);
        m_operator.ShowMessage(kMsgProbeOpen, MsgIcon::Exclamation, MsgButtons::Ok);
        result.fStopped = 1;
        return;
    }
    if (!poll.status.IsEnded())
        EvaluateRunning(poll, result);
    else
        EvaluateEnded(poll, result, acceptAtOnce);
}

void CMeasRun::EvaluateRunning(const PollingData& poll, PollResult& result) {
    const std::uint64_t total = static_cast<std::uint64_t>(poll.status.dwCount()) + m_carriedCount;
    if (m_limits.maximum != 0 && total >= m_limits.maximum) {
        StopPolling();
        m_sounds.PlayEventSound(RunSound::MeasError);
        m_instrument.StopMeasurement(true);
        if (m_operator.ShowMessage(kMsgMaximumCount, MsgIcon::Question, MsgButtons::YesNo) == IDYES)
            Accept(RunningValue(poll), result);
        else
            Invalid(result);
        return;
    }
    m_trace.AddSample(poll);
    --m_pollGuard;
}

void CMeasRun::EvaluateOperatorStop(const PollingData& poll, PollResult& result,
                                    bool acceptAtOnce) {
    const float v = RunningValue(poll);
    m_sounds.PlayEventSound(RunSound::MeasStop);
    int choice = kStopKeepData;
    if (acceptAtOnce)
        m_trace.AddSample(poll);
    else
        choice = m_dialogs.AskMeasureStop(v, *m_condition, static_cast<int>(m_layer));
    switch (choice) {
        case kStopKeepData:
            Accept(v, result);
            return;
        case kStopChangeData: {
            const float entered =
                m_dialogs.AskCorrectedValue(v, *m_condition, static_cast<int>(m_layer));
            FormatPollTexts(*m_condition, static_cast<int>(m_layer), entered, m_displayMode, false,
                            result);
            Accept(entered, result);
            return;
        }
        case kStopThicker:
            if (AskChangeSolutionAndContinue(poll))
                return;
            Invalid(result);
            return;
        default:
            Invalid(result);
            return;
    }
}

void CMeasRun::EvaluateEnded(const PollingData& poll, PollResult& result, bool acceptAtOnce) {
    StopPolling();
    const int reason = poll.status.bEndReason();
    switch (reason) {
        case kEndOperatorStop:
            EvaluateOperatorStop(poll, result, acceptAtOnce);
            return;
        case kEndAbort:
            Invalid(result);
            return;
        case kEndPlating:
            m_sounds.PlayEventSound(RunSound::MeasEnd);
            Accept(RunningValue(poll), result);
            return;
        case kEndAutoStop:
            if (m_dialogs.AskAutoStop() == kAutoStopStart && ContinueLayer(poll))
                return;
            result.fStopped = 1;
            return;
        case kEndSaturation:
            if (m_operator.ShowMessage(kMsgSaturation, MsgIcon::Question, MsgButtons::YesNo) ==
                    IDYES &&
                AskChangeSolutionAndContinue(poll))
                return;
            result.fStopped = 1;
            return;
        default: {
            // The instrument knows only reasons 1-5; anything else must not leave the layer
            // running without polls. The outputs are already off.
            LogPrint(1, " EvaluatePoll(): unknown end reason %d\n", reason);
            m_sounds.PlayEventSound(RunSound::MeasError);
            char text[sizeof kMsgUnknownEndReason + 8];
            std::snprintf(text, sizeof text, kMsgUnknownEndReason, reason);
            m_operator.ShowMessage(text, MsgIcon::Exclamation, MsgButtons::Ok);
            Invalid(result);
            return;
        }
    }
}

}  // namespace klv
