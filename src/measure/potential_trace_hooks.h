#pragma once

#include "device/device_status.h"
#include "reference/meas_file_data.h"

namespace klv {

// Where a measurement run hands its samples to the potential trace and graph.
class PotentialTraceHooks {
public:
    virtual ~PotentialTraceHooks() = default;
    // A layer starts: fresh clears the trace, otherwise it continues after a solution change.
    virtual void PrepareLayer(const MeasFileData& d, int layer, int displayMode, bool fresh) = 0;
    virtual void AddSample(const PollingData& poll) = 0;
    // The polling has stopped: the end notice to the graph.
    virtual void EndLayer() = 0;
};

// No trace: the samples are dropped.
class CNoPotentialTrace final : public PotentialTraceHooks {
public:
    void PrepareLayer(const MeasFileData&, int, int, bool) override {}
    void AddSample(const PollingData&) override {}
    void EndLayer() override {}
};

}  // namespace klv
