#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// What the main window's enabling depends on; the condition is null with no channel open.
struct ControlState {
    const MeasFileData* condition = nullptr;
    bool running = false;
    int layer = 0;                     // current layer index of a half-done measurement
    int storedMeasurements = 0;        // record count over the layer count, truncated
    bool lastDataCancellable = false;  // or the channel-file flag word allows it
    bool surfaceTextPresent = false;   // current layer not alloy and it has a treatment text
    bool alloyFactorApplies = false;
};

// Whether command `id` is enabled; ids without a rule stay enabled.
bool IsCommandEnabled(int id, const ControlState& state);

}  // namespace klv
