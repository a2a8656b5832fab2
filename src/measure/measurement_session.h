#pragma once

#include <cstdint>
#include <span>

#include "base/clock.h"
#include "measure/meas_run.h"
#include "measure/measurement_view.h"
#include "reference/condition_store.h"
#include "results/measurement_log.h"

namespace klv {

// The main window's measurement of the open channel: "Measurement(F2)", "Stop(F3)", the
// polling notification and "Measurement end". The channel's condition is the window's.
class CMeasurementSession {
public:
    struct Seams {
        CMeasRun& run;
        RunInstrument& instrument;
        PotentialTraceHooks& trace;
        MeasurementView& view;
        MeasurementOutput& output;
        ConditionStore& store;
        Clock& clock;
        PollTarget& pollTarget;
    };

    CMeasurementSession(const Seams& seams, MeasFileData& condition, int channelIndex);

    // "Measurement(F2)": 1 when the layer's electrolysis runs.
    int StartMeasurement();
    // The measurement by potential graph observation polls `target` and keeps a stopped
    // layer's running value without asking; none returns to the main window's measurement.
    void SetObservation(PollTarget* target);
    bool IsObservation() const { return m_observationTarget != nullptr; }
    // Nickel over nickel under observation: the layer's result waits for the operator's
    // values (read off the graph); then each consecutive nickel layer takes one, in order.
    bool IsAwaitingValues() const { return m_awaitingValues > 0; }
    int AwaitedValueCount() const { return m_awaitingValues; }
    // An empty span stores the awaited layers as invalid.
    void StoreAwaitedValues(std::span<const float> values);
    // "Stop(F3)": the decision follows with the next poll.
    void StopMeasurement();
    void OnPollingNotify();
    // "Measurement end".
    void EndMeasurement();
    // The stored data changed under the session (cancelled or erased): layer 0 comes next.
    void ResetLayer();
    // After an additional electrolysis of the layer before the current one: its value grows by
    // `counts`, is shown and stored again in place; the current layer stays. False when nothing
    // changed (no such layer, no value to add to, or the log could not be written).
    bool AddElectrolysisCounts(std::uint32_t counts);

    int Layer() const { return m_layer; }
    bool IsMeasuring() const { return m_measuring; }
    bool IsEnded() const { return m_ended; }
    // No further measurement fits: the gross statistics or the data log are full.
    bool IsFull() const;

private:
    void Evaluate(const PollingData& poll, PollResult& result);
    void StoreLayerResult(PollResult& result);
    bool ApplyWt(PollResult& result, bool lastLayer);
    void FinishMeasurement(const PollResult& result);
    void SetMeasuring(bool measuring);
    std::uint32_t LayerCount() const;
    int ConsecutiveNickelLayers() const;

    Seams m_seams;
    MeasFileData& m_condition;
    int m_index;
    int m_layer = 0;
    bool m_measuring = false;
    bool m_ended = false;
    MeasurementBuffer m_buffer{};
    PollTarget* m_observationTarget = nullptr;
    int m_awaitingValues = 0;
};

}  // namespace klv
