#include "stats/histogram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace klv {

HistogramScale AutoHistogramScale(const ChartStatistics& s, std::size_t dataCount) {
    const auto divisions =
        static_cast<unsigned>(std::min<std::size_t>(dataCount, kAutoHistogramDivisions));
    return {s.dMinimum, s.dMaximum, std::max(divisions, 1u)};
}

std::uint32_t CountAxisTop(std::uint32_t largest) {
    const std::uint32_t m = std::max<std::uint32_t>(largest, 2);
    return (m + m / 5 + 1) & ~1u;
}

double NormalDensity(double x, double mean, double stdDev) {
    const double d = x - mean;
    return std::exp(-d * d / (2 * stdDev * stdDev)) / (stdDev * std::sqrt(2 * std::numbers::pi));
}

Histogram ComputeHistogram(std::span<const double> values, HistogramScale scale,
                           const ChartStatistics& s) {
    Histogram h;
    scale.divisions = std::max(scale.divisions, 1u);
    h.scale = scale;
    const unsigned f = scale.divisions;
    h.counts.assign(f, 0);
    const double span = ChartSpan(scale.lower, scale.upper);
    const double w = span / f;
    for (double value : values) {
        const auto v = static_cast<float>(value);
        // The class whose drawn bar lies over the value.
        const double q = (v - scale.lower) / w;
        // Compared before the conversion, so that no value beyond the range overflows it.
        const unsigned j = !(q >= 1) ? 0 : q >= f ? f - 1 : static_cast<unsigned>(q);
        ++h.counts[j];
    }
    h.top = CountAxisTop(*std::max_element(h.counts.begin(), h.counts.end()));
    if (s.dStdDev == 0)
        return h;
    // Each class at its left edge, centre and right edge.
    const double b = span / (2.0 * f);
    for (unsigned j = 0; j < f; ++j) {
        h.countedTotal += 3.0 * h.counts[j];
        const double x = scale.lower + 2 * b * j;
        h.sampleSum += NormalDensity(x, s.dAverage, s.dStdDev) +
                       NormalDensity(x + b, s.dAverage, s.dStdDev) +
                       NormalDensity(x + 2 * b, s.dAverage, s.dStdDev);
    }
    return h;
}

double CurveScale(const Histogram& h, int frameHeight) {
    if (h.sampleSum == 0)
        return 0;
    return static_cast<double>(frameHeight) / h.top * (h.countedTotal / h.sampleSum);
}

}  // namespace klv
