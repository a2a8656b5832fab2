#include "measure/measurement_session.h"

#include "base/line_log.h"
#include "measure/additional_electrolysis.h"
#include "measure/measurement_state.h"
#include "reference/condition_rules.h"
#include "reference/unit_gasket_tables.h"
#include "results/thickness.h"

namespace klv {

namespace {

bool HasAlloyLayer(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        if (IsAlloyLayer(d.coat[k]))
            return true;
    }
    return false;
}

bool IsWtGasket(const MeasFileData& d) {
    return d.bGasket == kGasketWT;
}

// The WT coefficient is asked for after the last layer of every measurement.
bool IsWtAfterwards(const MeasFileData& d) {
    return IsWtGasket(d) && (d.bWtFlags & kWtCoefValid) == 0;
}

}  // namespace

CMeasurementSession::CMeasurementSession(const Seams& seams, MeasFileData& condition,
                                         int channelIndex)
    : m_seams(seams), m_condition(condition), m_index(channelIndex) {}

std::uint32_t CMeasurementSession::LayerCount() const {
    return static_cast<std::uint32_t>(GetCoatCount(m_condition));
}

bool CMeasurementSession::IsFull() const {
    return GetRunPhase(&m_condition, false) == RunPhase::Full;
}

void CMeasurementSession::SetMeasuring(bool measuring) {
    m_measuring = measuring;
    m_seams.view.SetMeasuring(measuring);
}

int CMeasurementSession::StartMeasurement() {
    if (m_measuring || m_ended || LayerCount() == 0 || (m_layer == 0 && IsFull()))
        return 0;
    if (m_layer == 0)
        m_seams.view.ClearResultList();
    const int displayMode = GetDisplayMode(m_condition, m_layer);
    SetMeasuring(true);
    m_awaitingValues = 0;
    m_seams.run.SetCalibrationMode(0);
    m_seams.run.SetObservationMode(IsObservation());
    const int started = m_seams.run.StartLayer(m_condition, m_layer, displayMode, true);
    m_seams.run.SetObservationMode(false);
    if (!started) {
        SetMeasuring(false);
        return 0;
    }
    m_seams.instrument.SetPollingWindow(IsObservation() ? m_observationTarget
                                                        : &m_seams.pollTarget);
    return 1;
}

void CMeasurementSession::SetObservation(PollTarget* target) {
    m_observationTarget = target;
    m_awaitingValues = 0;
}

int CMeasurementSession::ConsecutiveNickelLayers() const {
    int n = 0;
    // No layer past the last is nickel on nickel.
    while (IsNickelOnNickel(m_condition, m_layer + n))
        ++n;
    return n;
}

void CMeasurementSession::StoreAwaitedValues(std::span<const float> values) {
    const int count = m_awaitingValues;
    m_awaitingValues = 0;
    for (int i = 0; i < count && !m_ended; ++i) {
        PollResult result{};
        result.fHasResult = 1;
        if (static_cast<std::size_t>(i) < values.size()) {
            result.fValue = values[static_cast<std::size_t>(i)];
            FormatPollTexts(m_condition, m_layer, result.fValue, m_seams.run.DisplayMode(), false,
                            result);
        } else {
            MakeInvalidResult(m_condition, m_layer, m_seams.run.DisplayMode(), result);
        }
        m_seams.view.ShowLayerTexts(m_layer, result);
        const int layer = m_layer;
        StoreLayerResult(result);
        // A layer that could not be stored stops the row: it is measured again.
        if (m_layer == layer && !m_ended && layer + 1 < static_cast<int>(LayerCount()))
            break;
    }
}

void CMeasurementSession::StopMeasurement() {
    if (m_measuring)
        m_seams.instrument.StopMeasurement(false);
}

void CMeasurementSession::OnPollingNotify() {
    PollingData poll;
    m_seams.instrument.GetPollingData(poll);
    LogPrint(2, "OnPollingNotify() start...\n");
    m_seams.view.UpdateLevelMeter(poll);

    PollResult result{};
    if (!m_seams.run.PreparePollResult(poll, result) || result.fEndRequested) {
        if (result.fEndRequested)
            EndMeasurement();
        return;
    }
    Evaluate(poll, result);
}

void CMeasurementSession::Evaluate(const PollingData& poll, PollResult& result) {
    m_seams.view.ShowLayerTexts(m_layer, result);
    m_seams.view.ShowMeasurementNumber(m_condition.nItemCt / LayerCount() + 1);
    m_seams.view.SetBlinking(poll.status.IsBlanking());

    m_seams.run.EvaluatePoll(poll, result, IsObservation());
    if (result.fStopped) {
        SetMeasuring(false);
        m_seams.view.SetBlinking(false);
        m_seams.view.ResetLevelMeter();
        return;
    }
    if (result.fHasResult) {
        m_seams.view.SetBlinking(false);
        m_seams.view.ShowLayerTexts(m_layer, result);
        if (IsObservation() && !(result.fInvalid && m_layer == 0) &&
            IsNickelOnNickel(m_condition, m_layer)) {
            // The operator reads the nickel layers off the graph.
            m_awaitingValues = ConsecutiveNickelLayers();
            SetMeasuring(false);
            return;
        }
        StoreLayerResult(result);
    }
}

bool CMeasurementSession::ApplyWt(PollResult& result, bool lastLayer) {
    if (!result.fInvalid && ApplyWtCorrection(m_condition, result.fValue)) {
        m_seams.run.SetDisplayMode(kDisplayModeWtApplied);
        return true;
    }
    // The earlier layers are stored raw until the coefficient comes, so it is asked even when
    // this last layer has no value (an invalid first layer never gets here).
    if (!lastLayer || !IsWtAfterwards(m_condition))
        return false;
    const float coefficient = m_seams.view.AskWtCoefficient(m_condition);
    for (int k = 0; k < m_layer; ++k) {
        if ((m_buffer[k].bFlags & kRecordNoValue) == 0)
            m_buffer[k].lMeasValue *= coefficient;
    }
    if (result.fInvalid)
        return false;
    result.fValue *= coefficient;
    if (m_seams.run.DisplayMode() == 3)
        return false;
    m_seams.run.SetDisplayMode(kDisplayModeWtApplied);
    return true;
}

void CMeasurementSession::StoreLayerResult(PollResult& result) {
    if (result.fInvalid && m_layer == 0) {
        // Nothing of this measurement is stored yet, so an invalid first layer leaves no trace.
        SetMeasuring(false);
        return;
    }
    const bool lastLayer = static_cast<std::uint32_t>(m_layer) + 1 >= LayerCount();
    if (ApplyWt(result, lastLayer)) {
        FormatPollTexts(m_condition, m_layer, result.fValue, m_seams.run.DisplayMode(), false,
                        result);
        m_seams.view.ShowLayerTexts(m_layer, result);
    }
    if (!AddMsrLogRecord(m_seams.store, m_seams.clock, m_condition, m_index, m_buffer, m_layer,
                         result.fValue, result.fInvalid != 0)) {
        // The layer stays where it is, so it can be measured again.
        SetMeasuring(false);
        return;
    }
    if (!lastLayer) {
        if (!HasAlloyLayer(m_condition) && !IsWtAfterwards(m_condition)) {
            m_seams.output.RefreshTemporaryStatistics();
            m_seams.output.PrintLayer(m_condition, m_layer);
        }
        m_seams.view.RedrawResultList();
        ++m_layer;
    } else {
        FinishMeasurement(result);
        if (m_ended)
            return;
    }
    m_seams.view.MarkLastMeasurement();
    SetMeasuring(false);
}

void CMeasurementSession::FinishMeasurement(const PollResult& result) {
    const std::span<const MsrLogRecord> records(m_buffer.data(), LayerCount());
    m_seams.output.RecordMeasurement(m_condition, records, m_condition.nItemCt / LayerCount());
    if (!result.fInvalid)
        m_seams.view.ShowSyntheticResult(m_condition, records);
    m_seams.output.RefreshTemporaryStatistics();
    m_seams.output.PrintMeasurement(m_condition, records);
    m_seams.output.TransmitMeasurement(m_condition, records, m_condition.nItemCt / LayerCount());
    m_layer = 0;
    SetMeasuring(false);
    if (m_seams.output.RunGrossStatistics(m_condition))
        EndMeasurement();
}

bool CMeasurementSession::AddElectrolysisCounts(std::uint32_t counts) {
    if (counts == 0 || m_measuring || m_layer <= 0)
        return false;
    const int k = m_layer - 1;
    const MsrLogRecord& stored = m_buffer[static_cast<std::size_t>(k)];
    // A layer stored without a value has nothing the counts could be added to.
    if ((stored.bFlags & kRecordNoValue) != 0)
        return false;
    int displayMode = m_seams.run.DisplayMode();
    const float before = stored.lMeasValue;
    const float value = AddedLayerValue(m_condition, k, stored.lMeasValue, counts, displayMode);
    if (!RestoreLastLayerRecord(m_seams.store, m_condition, m_index, m_buffer, k, value))
        return false;
    // The measurement is not complete yet: it is the one after the stored ones.
    m_seams.output.RecordAddedElectrolysis(m_condition, m_condition.nItemCt / LayerCount() + 1, k,
                                           before,
                                           m_buffer[static_cast<std::size_t>(k)].lMeasValue);
    PollResult result{};
    FormatPollTexts(m_condition, k, value, displayMode, false, result);
    m_seams.view.ShowLayerTexts(k, result);
    if (!HasAlloyLayer(m_condition) && !IsWtAfterwards(m_condition))
        m_seams.output.RefreshTemporaryStatistics();
    m_seams.view.RedrawResultList();
    return true;
}

void CMeasurementSession::ResetLayer() {
    if (m_measuring)
        return;
    m_layer = 0;
    m_buffer = {};
}

void CMeasurementSession::EndMeasurement() {
    m_seams.instrument.SetPollingWindow(nullptr);
    m_seams.trace.EndLayer();
    if (m_measuring) {
        // Ended after failed polls: the instrument may still electrolyse.
        m_seams.instrument.AllOutputsOffSilently();
        SetMeasuring(false);
    }
    m_ended = true;
    m_seams.view.EndCondition();
    m_seams.output.ResetTemporaryStatistics();
}

}  // namespace klv
