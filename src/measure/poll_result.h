#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// What one poll evaluation decided; zeroed at the start of every evaluation.
struct PollResult {
    std::int32_t fEndRequested;
    std::int32_t fHasResult;
    std::int32_t fStopped;
    std::int32_t fInvalid;
    float fValue;  // in the condition's unit
    char szTitle[32];
    char szValue[32];
};

// The title (layer name, 6 wide) and the value text with its unit ("CNT" for display modes 2
// and 3) of layer k.
void FormatPollTexts(const MeasFileData& d, int k, float valueInUnit, int displayMode, bool invalid,
                     PollResult& result);

// An invalid result: stored without a value, shown as dashes.
void MakeInvalidResult(const MeasFileData& d, int k, int displayMode, PollResult& result);

}  // namespace klv
