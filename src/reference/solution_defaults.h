#pragma once

#include <array>
#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// Per-layer defaults of a new condition from the solution combination table: pump, test
// solution, sensitivity, blanking and automatic current. Does nothing (returns false) once
// the channel has stored records.
bool ApplyCombinationDefaults(MeasFileData& d);

// Layers (by index) whose tin-type coating over an alloy layer needs the operator's choice of
// a special solution pair.
using SpecialPairLayers = std::array<bool, kMaxLayers>;
bool AnySpecialPair(const SpecialPairLayers& layers);

// Test solutions and sensitivities for solder and tin over an alloy layer, from the alloy
// content; answers the layers that still need a special pair.
SpecialPairLayers ApplyAlloySolutionRules(MeasFileData& d);

// One choice of the special solution dialog: the tin-type layer's and the alloy layer's
// solution and sensitivity.
struct SpecialSolutionPair {
    std::uint8_t solution;
    std::uint8_t sensitivity;
    std::uint8_t alloySolution;
    std::uint8_t alloySensitivity;
};
// The two choices for layer k, in list order; false when layer k is not SO, Sn or SnW over
// an alloy layer.
bool GetSpecialSolutionPairs(const MeasFileData& d, int k,
                             std::array<SpecialSolutionPair, 2>& pairs);
// Applies choice 0 or 1 to layer k and the alloy layer under it; false when it does not apply.
bool ApplySpecialSolutionPair(MeasFileData& d, int k, int choice);

}  // namespace klv
