#pragma once

#include <string_view>

#include "reference/meas_file_data.h"

namespace klv {

// Where the main window's measurement stands; deciding keeps the electrolysing controls.
enum class RunPhase { NoCondition, Full, Ready, Electrolysing };

// The condition is null when none is selected.
RunPhase GetRunPhase(const MeasFileData* condition, bool measuring);

inline bool CanStartMeasurement(RunPhase phase) {
    return phase == RunPhase::Ready;
}
inline bool CanStopMeasurement(RunPhase phase) {
    return phase == RunPhase::Electrolysing;
}

struct RunStatusLine {
    std::string_view text;
    bool red;
};

// The status line of the phase; `layer` tells the first layer from a later one.
RunStatusLine GetRunStatusLine(const MeasFileData* condition, bool measuring, int layer);

}  // namespace klv
