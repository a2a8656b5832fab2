#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_selection.h"

namespace klv {

// Composite Simpson rule with 2m equal steps over a … b, summed in double precision.
double SimpsonIntegral(const std::function<double(double)>& f, double a, double b, int m);

// The factors of the X-bar/R chart for groups of n, from the distribution of the range.
struct ControlChartFactors {
    float d2 = 0;
    float d3 = 0;
    float A2 = 0;
    float D3 = 0;
    float D4 = 0;
};
ControlChartFactors ComputeControlChartFactors(int n);

// One group of data: its extremes, sum and count (single precision, as the chart keeps them).
struct ChartGroup {
    float maximum = 0;
    float minimum = 0;
    float sum = 0;
    std::uint32_t count = 0;
    float Mean() const { return count != 0 ? sum / static_cast<float>(count) : 0.0f; }
    float Range() const { return maximum - minimum; }
};

struct ChartGroups {
    std::vector<ChartGroup> groups;
    // The group data number; 0 when the groups differ in size and the operator must give it.
    int n = 0;
};

// Groups the channel's complete stored data (L records each) of layer k: fixed groups of
// `groupSize` data, or runs of the same date in layer 0, at most `maxGroups`.
ChartGroups FormChartGroups(std::span<const MsrLogRecord> stored, std::uint32_t dataCount,
                            const MeasFileData& d, int k, GroupMode mode, int groupSize,
                            std::size_t maxGroups);

// A chart's centre line, control limits and axis, stored unit.
struct ChartBlock {
    float largest = 0;
    float smallest = 0;
    float sum = 0;
    float centre = 0;
    float ucl = 0;
    float lcl = 0;
    float top = 0;
    float bottom = 0;
};

struct ControlChart {
    ChartBlock x;
    ChartBlock r;
};

ControlChart ComputeControlChart(std::span<const ChartGroup> groups, const ControlChartFactors& f);

// Single data: the individuals and moving-range chart. Centre lines: the mean of the values
// and the average moving range; limits: mean ± 2.66·MR-bar, MR from 0 to 3.267·MR-bar.
inline constexpr float kIndividualsFactor = 2.66f;
inline constexpr float kMovingRangeFactor = 3.267f;
ControlChart ComputeIndividualsChart(std::span<const ChartGroup> groups);

// The points of both plots: group means and ranges, or the single values and their moving
// ranges, which start at the second group.
struct ControlChartSeries {
    std::vector<float> x;
    std::vector<float> r;
    std::size_t rFirst = 0;  // the group (0-based) of r[0]
    bool individuals = false;
};
ControlChartSeries ChartSeriesOf(std::span<const ChartGroup> groups, bool individuals);

// A span below 0.0001 is widened about its centre; the R chart never goes below 0.
void ApplyMinimumSpan(ChartBlock& b, bool rangeChart);

// Labelled groups of the group axis (1-based): 1, then every o groups, and k.
std::vector<std::size_t> GroupAxisLabels(std::size_t k);

}  // namespace klv
