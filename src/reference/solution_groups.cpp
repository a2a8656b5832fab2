#include "reference/solution_groups.h"

#include <algorithm>
#include <map>
#include <utility>

#include "reference/solution_combination_table.h"
#include "reference/substance_table.h"

namespace klv {

std::vector<SolutionGroup> GroupSolutionRows(int coatingCode, int baseCode) {
    // Under-substances per (coating, solution), in table row order.
    std::map<std::pair<int, int>, std::vector<int>> groups;
    for (const SolutionCombinationRow& row : SolutionCombinationTable)
        if (row.listed)
            groups[{row.coating, row.solution}].push_back(row.underSubstance);

    std::vector<SolutionGroup> requested;
    std::vector<SolutionGroup> others;
    for (auto& [key, unders] : groups) {
        auto base = std::find(unders.begin(), unders.end(), baseCode);
        if (base != unders.end())
            std::rotate(unders.begin(), base, base + 1);
        SolutionGroup g{key.first, key.second, {}};
        for (int u : unders) {
            if (!g.bases.empty())
                g.bases += ",";
            g.bases += GetSubstanceShortName(u);
        }
        (key.first == coatingCode ? requested : others).push_back(std::move(g));
    }
    requested.insert(requested.end(), others.begin(), others.end());
    return requested;
}

}  // namespace klv
