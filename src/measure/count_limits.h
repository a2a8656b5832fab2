#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// Counts of one layer, fixed at its start. The instrument ends the electrolysis itself at the
// auto-stop and saturation counts; the program watches the maximum. 0 = none.
struct CountLimits {
    std::uint32_t autoStop = 0;
    std::uint32_t saturation = 0;
    std::uint32_t maximum = 0;
};

inline constexpr float kSaturationMicrometres = 40.0f;
inline constexpr float kMaximumMicrometres = 300.0f;
inline constexpr std::uint32_t kWtMaximumCount = 300000;

CountLimits ComputeCountLimits(const MeasFileData& d, int k);

}  // namespace klv
