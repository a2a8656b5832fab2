#include "measure/measurement_state.h"

#include "reference/condition_rules.h"
#include "results/measurement_log.h"

namespace klv {

RunPhase GetRunPhase(const MeasFileData* condition, bool measuring) {
    if (condition == nullptr)
        return RunPhase::NoCondition;
    if (measuring)
        return RunPhase::Electrolysing;
    if (IsTotalReached(*condition) || !CanAcceptMeasurement(*condition))
        return RunPhase::Full;
    return RunPhase::Ready;
}

RunStatusLine GetRunStatusLine(const MeasFileData* condition, bool measuring, int layer) {
    switch (GetRunPhase(condition, measuring)) {
        case RunPhase::NoCondition:
            return {"Please select measurement condition file.", false};
        case RunPhase::Electrolysing:
            return {"Measurement is going on.", false};
        case RunPhase::Full:
            if (IsTotalReached(*condition))
                return {"Amount of measurement data have reached to the gross statistics.", true};
            return {kMsgMeasurementLimit, true};
        case RunPhase::Ready:
            break;
    }
    if (layer == 0)
        return {"Set a test sample and start.", false};
    return {"Change the test solution and re-start.", false};
}

}  // namespace klv
