#pragma once

#include <array>
#include <cstdint>

namespace klv {

// The (unit, current range) pairs a condition may use, with the instrument's count period that
// makes one count one step of the last displayed digit.
struct ResolutionRow {
    std::uint8_t unit;
    std::uint8_t range;
    std::uint16_t countPeriodMs;
    std::uint8_t decimals;
    std::int32_t scale;  // 10 to the power of decimals
};

inline constexpr int kResolutionCount = 25;
extern const std::array<ResolutionRow, kResolutionCount> ResolutionTable;

// The row for the pair, or nullptr.
const ResolutionRow* FindResolution(int unit, int range);

}  // namespace klv
