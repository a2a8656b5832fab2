#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "reference/meas_file_data.h"
#include "stats/chart_values.h"

namespace klv {

inline constexpr unsigned kAutoHistogramDivisions = 21;

// The value range and class count of the histogram, stored unit.
struct HistogramScale {
    double lower = 0;
    double upper = 0;
    unsigned divisions = 1;
};

struct Histogram {
    HistogramScale scale;
    std::vector<std::uint32_t> counts;  // one per class; class j holds lower + j·w … + w
    std::uint32_t top = 2;              // of the count axis; its bottom is 0
    double countedTotal = 0;            // the normal curve's sums; 0 without a curve
    double sampleSum = 0;
};

// From the layer's extremes, at most 21 classes and at least one.
HistogramScale AutoHistogramScale(const ChartStatistics& s, std::size_t dataCount);

// The count axis top for the largest class count: at least 2, a fifth above it, even.
std::uint32_t CountAxisTop(std::uint32_t largest);

// Counts the values into the classes their bars are drawn over; the upper limit and values
// beyond the range fall into the end classes.
// Without a standard deviation there is no curve.
Histogram ComputeHistogram(std::span<const double> values, HistogramScale scale,
                           const ChartStatistics& s);

// The normal density of the layer at x.
double NormalDensity(double x, double mean, double stdDev);

// Pixels per unit of density that lay the curve over bars `frameHeight` high.
double CurveScale(const Histogram& h, int frameHeight);

}  // namespace klv
