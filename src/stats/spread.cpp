#include "stats/spread.h"

#include <cmath>

#include "stats/statistics_mode.h"

namespace klv {

void RunningSpread::Add(double v) {
    ++count;
    const double delta = v - mean;
    mean += delta / count;
    squaredDeviations += delta * (v - mean);
}

double RunningSpread::StdDev(const MeasFileData& d) const {
    const int n = static_cast<int>(count);
    return std::sqrt(StdDevFactor(d, n) * squaredDeviations / n);
}

double RunningSpread::SampleStdDev() const {
    return std::sqrt(squaredDeviations / (count - 1));
}

}  // namespace klv
