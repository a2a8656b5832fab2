#pragma once

#include <cstddef>

#include "reference/meas_file_data.h"

namespace klv {

// The texts of one statistics calculation in the fixed slots the STAT items are served from:
// NUL-terminated single-byte texts, empty beyond the layer count.
struct StatisticsTextBlock {
    char szCoat[kMaxLayers][16];
    char szBase[16];
    char szUnit[16];
    char szDataCt[16];
    char szTotal[kMaxLayers][64];
    char szMaximum[kMaxLayers][32];
    char szMinimum[kMaxLayers][32];
    char szAverage[kMaxLayers][32];
    char szRange[kMaxLayers][32];
    char szStdDev[kMaxLayers][32];
    char sz3SigmaLow[kMaxLayers][32];
    char sz3SigmaHigh[kMaxLayers][32];
    char szUpperLimit[kMaxLayers][32];
    char szLowerLimit[kMaxLayers][32];
};

static_assert(sizeof(StatisticsTextBlock) == 1888);
static_assert(offsetof(StatisticsTextBlock, szCoat) == 0);
static_assert(offsetof(StatisticsTextBlock, szBase) == 80);
static_assert(offsetof(StatisticsTextBlock, szUnit) == 96);
static_assert(offsetof(StatisticsTextBlock, szDataCt) == 112);
static_assert(offsetof(StatisticsTextBlock, szTotal) == 128);
static_assert(offsetof(StatisticsTextBlock, szMaximum) == 448);
static_assert(offsetof(StatisticsTextBlock, szMinimum) == 608);
static_assert(offsetof(StatisticsTextBlock, szAverage) == 768);
static_assert(offsetof(StatisticsTextBlock, szRange) == 928);
static_assert(offsetof(StatisticsTextBlock, szStdDev) == 1088);
static_assert(offsetof(StatisticsTextBlock, sz3SigmaLow) == 1248);
static_assert(offsetof(StatisticsTextBlock, sz3SigmaHigh) == 1408);
static_assert(offsetof(StatisticsTextBlock, szUpperLimit) == 1568);
static_assert(offsetof(StatisticsTextBlock, szLowerLimit) == 1728);

}  // namespace klv
