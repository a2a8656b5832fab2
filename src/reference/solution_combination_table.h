#pragma once

#include <array>
#include <cstdint>

namespace klv {

// Which test solution and output current factor suit a coating on the material under it.
struct SolutionCombinationRow {
    std::uint8_t coating;
    std::uint8_t underSubstance;
    std::uint8_t currentFactorRow;
    std::uint8_t solution;
    bool listed;   // offered in the test-solution selection list
    bool pumpOff;  // default pump speed 0
};

inline constexpr int kSolutionCombinationCount = 144;
extern const std::array<SolutionCombinationRow, kSolutionCombinationCount> SolutionCombinationTable;

// The first row in table order whose coating matches and, unless anyUnderSubstance is set,
// whose under-substance matches; nullptr when none does.
const SolutionCombinationRow* FindCombination(int coating, int underSubstance,
                                              bool anyUnderSubstance = false);

}  // namespace klv
