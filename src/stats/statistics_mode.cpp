#include "stats/statistics_mode.h"

namespace klv {

double StdDevFactor(const MeasFileData& d, int n) {
    if (n < 2 || (d.bStatFlags & kStatTotalOn) == 0 || d.bStatMode >= StatisticsModeTable.size())
        return 1.0;
    if ((StatisticsModeTable[d.bStatMode].wFlags & kStatModeSampleStdDev) == 0)
        return 1.0;
    return static_cast<double>(n) / static_cast<double>(n - 1);
}

}  // namespace klv
