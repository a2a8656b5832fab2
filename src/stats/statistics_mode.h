#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "reference/meas_file_data.h"

namespace klv {

// MeasFileData.bStatMode indexes this table; the texts fill the "Statistics mode" list in this
// order and name the mode in reports.
struct StatisticsModeRow {
    std::string_view text;
    std::uint16_t wFlags;
};
inline constexpr std::uint16_t kStatModeSampleStdDev = 0x0002;  // divisor n - 1

inline constexpr std::uint8_t kStatModeNone = 0;
inline constexpr std::uint8_t kStatModeN = 1;
inline constexpr std::uint8_t kStatModeNMinus1 = 2;
inline constexpr std::array<StatisticsModeRow, 3> StatisticsModeTable = {{
    {"None", 1},
    {"N", 1},
    {"N-1", 2},
}};

// The factor under the square root that turns the population variance of n values into the
// one the condition asks for: n / (n - 1) for "N-1" with statistics on, else 1. A mode code the
// table does not have (a damaged file) counts as "N"; n below 2 gives 1.
double StdDevFactor(const MeasFileData& d, int n);

}  // namespace klv
