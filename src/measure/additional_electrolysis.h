#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// What "START" of "Additional electrolysis" asks the instrument for.
struct AddElectrolysisRun {
    std::uint32_t saturationCount = 0;  // the count to stop at; 0 runs to the potential's jump
    std::uint8_t blankingSeconds = 0;
    bool balance = false;  // on while waiting for the jump
};

enum class AddElectrolysisField { None, Count, Seconds };

struct AddElectrolysisCheck {
    std::optional<AddElectrolysisRun> run;
    AddElectrolysisField field = AddElectrolysisField::None;  // the edit the message is about
    std::string message;
};

// The count (1-999) for "only for next count", or the blanking seconds (0-40) for "up to stop
// of electric potential change", 0 without "Entering the blanking time".
AddElectrolysisCheck CheckAddElectrolysis(bool byCount, const std::string& count, bool blanking,
                                          const std::string& seconds);

// Layer k's value in the displayed unit after `counts` more counts were dissolved: the stored
// value plus one step of its last digit per count, times the WT coefficient where it applies
// (the display mode then becomes 1). Nothing is added without a count period for the layer.
float AddedLayerValue(const MeasFileData& d, int k, float storedMicrometres, std::uint32_t counts,
                      int& displayMode);

}  // namespace klv
