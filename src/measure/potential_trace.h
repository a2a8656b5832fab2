#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "base/clock.h"
#include "measure/gra_file.h"
#include "measure/potential_graph_target.h"
#include "measure/potential_trace_hooks.h"
#include "reference/resolution_table.h"

namespace klv {

inline constexpr std::int32_t kDefaultSamplingIntervalMs = 100;

// What the trace was recorded with: the condition's layers and the layer being measured.
struct TraceCondition {
    CalibrationCondition condition{};
    std::int32_t layer = 0;
    std::int32_t displayMode = 0;
    std::uint8_t unit = 0;
    std::uint8_t range = 0;
    const ResolutionRow* row = nullptr;  // none for a pair without a resolution
    char coatingText[8] = {};
    char underText[8] = {};
};

// The samples with what they were recorded with, while the lock is held.
struct TraceSamples {
    std::span<const std::int32_t> samples;
    std::int32_t interval;
    const TraceCondition& condition;
};

// The one potential trace of the program: a sample per sampling interval of every electrolysis
// that a layer start began. Samples are appended and read under one lock.
class CPotentialTrace final : public PotentialTraceHooks {
public:
    explicit CPotentialTrace(Clock& clock);

    // The sample buffer the program starts with (64 KiB, some 27 minutes at 100 ms); false when
    // memory is short.
    bool ReserveBuffer();

    // The open graph window, or none.
    void SetGraph(PotentialGraphTarget* graph) { m_graph = graph; }
    PotentialGraphTarget* Graph() const { return m_graph; }

    // PotentialTraceHooks
    void PrepareLayer(const MeasFileData& d, int layer, int displayMode, bool fresh) override;
    void AddSample(const PollingData& poll) override;
    void EndLayer() override;

    std::int32_t Count() const;
    std::int32_t Interval() const;
    std::int32_t Maximum() const;
    std::int32_t Minimum() const;
    TraceCondition Condition() const;

    // Runs `read` with the samples while the lock is held; it must not call the trace.
    template <typename F>
    auto ReadSamples(F&& read) const {
        std::lock_guard lock(m_lock);
        return read(TraceSamples{m_samples, m_interval, m_condition});
    }

    // A loaded file replaces the whole trace.
    void Replace(GraFile&& file);
    // The header of a save; the view fills in its own fields.
    GraHeader MakeHeader() const;

private:
    void Append(std::int32_t mv);

    Clock& m_clock;
    PotentialGraphTarget* m_graph = nullptr;
    mutable std::mutex m_lock;
    std::vector<std::int32_t> m_samples;
    std::int32_t m_interval = kDefaultSamplingIntervalMs;
    std::uint32_t m_lastSampleTime = 0;
    std::int32_t m_maximum = 0;
    std::int32_t m_minimum = 0;
    TraceCondition m_condition;
};

}  // namespace klv
