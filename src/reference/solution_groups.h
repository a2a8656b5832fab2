#pragma once

#include <string>
#include <vector>

namespace klv {

// One row of the test-solution selection: a coating and solution with every base it suits.
struct SolutionGroup {
    int coating = 0;
    int solution = 0;
    std::string bases;  // under-substance names joined by ","
};

// The listed combination rows grouped per (coating, solution): the groups of the requested
// coating first, then every group in coating and solution order; in each group the
// condition's base comes first.
std::vector<SolutionGroup> GroupSolutionRows(int coatingCode, int baseCode);

}  // namespace klv
