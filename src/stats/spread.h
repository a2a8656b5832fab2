#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

namespace klv {

// Count, mean and sum of squared deviations of values added one at a time (Welford's method,
// double precision). Mean of squares minus square of mean cancels away every digit of a small
// spread on large values; this keeps them.
struct RunningSpread {
    std::uint32_t count = 0;
    double mean = 0;
    double squaredDeviations = 0;

    void Add(double v);
    // √(Σ(v − mean)² / n), or / (n − 1) where the condition's mode asks for it; needs n ≥ 2.
    double StdDev(const MeasFileData& d) const;
    // √(Σ(v − mean)² / (n − 1)) whatever the mode; needs n ≥ 2.
    double SampleStdDev() const;
};

}  // namespace klv
