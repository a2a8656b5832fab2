#pragma once

#include <string>
#include <vector>

#include "reference/meas_file_data.h"

namespace klv {

// One column of the statistics: the result item it counts, the layer whose value format and
// unit it is shown in, and the layer whose limits judge it (-1: none).
struct StatColumn {
    int item;
    int formatLayer;
    int limitLayer;
    std::string title;
};

// One column per layer; for tin over an alloy layer (and copper under it) the figures of its
// split instead: solid tin, tin of the alloy, all tin, solid copper and all copper, the totals
// judged against the limits of the tin and copper layers.
std::vector<StatColumn> GetStatColumns(const MeasFileData& d);

// Column k of the condition, or layer k's own column when the condition has no column k.
StatColumn GetStatColumn(const MeasFileData& d, int k);
int GetStatColumnCount(const MeasFileData& d);
// The unit name of column k's values ("CNT" for a WT layer without its coefficient).
std::string GetStatUnitName(const MeasFileData& d, int k);

}  // namespace klv
