#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// The statistics of one layer, in the condition's displayed unit.
struct LayerStatistics {
    std::uint32_t nCount;
    double dMaximum;
    double dMinimum;
    double dAverage;
    double dTotal;
    double dSquareTotal;
    double dStdDev;
    double d3SigmaLow;
    double d3SigmaHigh;
    double dRange;
    int fStdDevActive;  // 1 from two values on: the standard deviation and 3-sigma are shown
};

// One calculation over the statistics data; all zero for no data.
struct StatisticsResult {
    std::uint32_t nDataCt;
    LayerStatistics layer[kMaxLayers];
};

}  // namespace klv
