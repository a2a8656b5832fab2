#include "app/control_enabling.h"

#include <algorithm>
#include <array>

#include "app/command_ids.h"
#include "measure/measurement_state.h"

namespace klv {

namespace {

using namespace cmd;

constexpr int kGasketWt = 4;

constexpr std::array kIdleOnly = {kDeleteCondition,
                                  kExit,
                                  kGuessCalibration,
                                  kCalibrationInterval,
                                  kTransmissionMethod,
                                  kResultFont,
                                  kPrinterSet,
                                  kEnvironmentSet,
                                  kReverseCurrent,
                                  kPumpCheck,
                                  kSensitivityTest,
                                  kDeviceCheck,
                                  kConstantCurrentCheck,
                                  kConstantCurrentCalibration,
                                  kDeviceCondition,
                                  kUsbStatus,
                                  kHelp,
                                  kVersion};

constexpr std::array kOpenIdle = {kEndMeasurement,  kDisplayCondition, kSetCondition,
                                  kEditSensitivity, kEditTestSolution, kEditCurrentRange,
                                  kEditPumpSpeed,   kEditAutoStop,     kEditBlankingTime,
                                  kEditUnit,        kDeleteData,       kStatisticsItemSet};

template <std::size_t N>
bool Contains(const std::array<int, N>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

bool IsCommandEnabled(int id, const ControlState& state) {
    if (!state.hasHandler || !state.hasHandler(id))
        return false;
    const bool idle = !state.running;
    const bool open = state.condition != nullptr;
    const bool openIdle = open && idle;
    if (Contains(kIdleOnly, id))
        return idle;
    if (Contains(kOpenIdle, id))
        return openIdle;
    const RunPhase phase = GetRunPhase(state.condition, state.running);
    switch (id) {
        case kDeleteAll:
        case kSelectCondition:
            return !open && idle;
        case kStandardCalibration:
            return openIdle && state.condition->bGasket != kGasketWt;
        case kCancelLastData:
            return openIdle && (state.storedMeasurements > 0 || state.layer > 0) &&
                   state.lastDataCancellable;
        case kSurfaceTreatment:
            return openIdle && state.surfaceTextPresent;
        case kTemporaryStatistics:
            return openIdle && state.storedMeasurements > 0;
        case kAdditionalElectrolysis:
        case kEditAdditionalElectrolysis:
            return openIdle && GetCoatCount(*state.condition) > 0 && state.layer > 0;
        case kEditAlloyFactor:
            return openIdle && state.alloyFactorApplies;
        case kStartMeasurement:
        case kObservationMeasurement:
            return CanStartMeasurement(phase);
        case kStopMeasurement:
            return CanStopMeasurement(phase);
        case kPotentialGraph:
            return true;
        default:
            return false;
    }
}

}  // namespace klv
