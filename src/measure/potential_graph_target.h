#pragma once

namespace klv {

// The open potential graph, as the trace notifies it: the new-sample notice is posted, the
// layer-start and measurement-end notices are handled before the call returns.
class PotentialGraphTarget {
public:
    virtual ~PotentialGraphTarget() = default;
    virtual void PostNewSample() = 0;
    virtual void SendLayerStart(bool fresh) = 0;
    virtual void SendMeasurementEnd() = 0;
};

}  // namespace klv
