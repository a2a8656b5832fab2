#pragma once

#include <functional>

#include "reference/meas_file_data.h"

namespace klv {

// What the main window's enabling depends on; the condition is null with no channel open.
struct ControlState {
    // Whether the window can carry out a command; without this nothing is enabled.
    std::function<bool(int id)> hasHandler;
    const MeasFileData* condition = nullptr;
    bool running = false;
    int layer = 0;                     // current layer index of a half-done measurement
    int storedMeasurements = 0;        // record count over the layer count, truncated
    bool lastDataCancellable = false;  // or the channel-file flag word allows it
    bool surfaceTextPresent = false;   // current layer not alloy and it has a treatment text
    bool alloyFactorApplies = false;
};

// Whether command `id` is enabled: it has a handler and its rule allows it now. A command
// that would do nothing, or that is not a command of the window, is disabled.
bool IsCommandEnabled(int id, const ControlState& state);

}  // namespace klv
