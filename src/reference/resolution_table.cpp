#include "reference/resolution_table.h"

namespace klv {

// nm has no rows for ranges 1-5, MI none for ranges 1-2.
const std::array<ResolutionRow, kResolutionCount> ResolutionTable = {{
    {1, 1, 400, 1, 10},    {1, 2, 800, 1, 10},     {1, 3, 200, 2, 100},    {1, 4, 400, 2, 100},
    {1, 5, 800, 2, 100},   {1, 6, 200, 3, 1000},   {1, 7, 400, 3, 1000},   {1, 8, 800, 3, 1000},
    {2, 6, 200, 0, 1},     {2, 7, 400, 0, 1},      {2, 8, 800, 0, 1},      {3, 1, 1016, 2, 100},
    {3, 2, 2032, 2, 100},  {3, 3, 508, 3, 1000},   {3, 4, 1016, 3, 1000},  {3, 5, 2032, 3, 1000},
    {3, 6, 508, 4, 10000}, {3, 7, 1016, 4, 10000}, {3, 8, 2032, 4, 10000}, {4, 3, 508, 0, 1},
    {4, 4, 1016, 0, 1},    {4, 5, 2032, 0, 1},     {4, 6, 508, 1, 10},     {4, 7, 1016, 1, 10},
    {4, 8, 2032, 1, 10},
}};

const ResolutionRow* FindResolution(int unit, int range) {
    for (const ResolutionRow& row : ResolutionTable)
        if (row.unit == unit && row.range == range)
            return &row;
    return nullptr;
}

}  // namespace klv
