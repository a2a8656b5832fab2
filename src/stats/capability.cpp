#include "stats/capability.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "reference/unit_conversion.h"
#include "stats/chart_values.h"
#include "stats/control_chart.h"
#include "stats/spread.h"
#include "stats/stat_columns.h"

namespace klv {

namespace {

// d2 of the range of two values, as the moving range takes it.
constexpr double kMovingRangeD2 = 1.128;

bool IsAveraging(GroupMode mode) {
    return mode == GroupMode::FixedGroupAverage || mode == GroupMode::DailyAverage;
}

// Each group's range over its own d2, averaged: R-bar / d2 when the groups are equal.
std::optional<double> GroupSigma(std::span<const ChartGroup> groups) {
    std::map<std::uint32_t, double> d2;
    double sum = 0;
    std::size_t used = 0;
    for (const ChartGroup& g : groups) {
        if (g.count < 2)
            continue;
        auto [at, fresh] = d2.try_emplace(g.count, 0.0);
        if (fresh)
            at->second = ComputeControlChartFactors(static_cast<int>(g.count)).d2;
        sum += static_cast<double>(g.Range()) / at->second;
        ++used;
    }
    if (used == 0)
        return std::nullopt;
    return sum / static_cast<double>(used);
}

std::optional<double> MovingRangeSigma(std::span<const double> values) {
    if (values.size() < 2)
        return std::nullopt;
    double sum = 0;
    for (std::size_t i = 1; i < values.size(); ++i)
        sum += std::fabs(values[i] - values[i - 1]);
    return sum / static_cast<double>(values.size() - 1) / kMovingRangeD2;
}

struct Limits {
    double lower;
    double upper;
};

std::optional<Limits> ColumnLimits(const MeasFileData& d, int k) {
    const int layer = GetStatColumn(d, k).limitLayer;
    if ((d.bStatFlags & kStatLimitCheckOn) == 0 || layer < 0)
        return std::nullopt;
    const Limits l{d.limits[layer].fLowerLimit, d.limits[layer].fUpperLimit};
    if (!(l.upper > l.lower))
        return std::nullopt;
    return l;
}

void Judge(const Limits& l, double mean, const std::optional<double>& sigma,
           std::optional<double>& c, std::optional<double>& ck) {
    if (!sigma || !(*sigma > 0))
        return;
    c = (l.upper - l.lower) / (6 * *sigma);
    ck = std::min(l.upper - mean, mean - l.lower) / (3 * *sigma);
}

}  // namespace

CapabilityFigures ComputeCapability(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                                    std::uint32_t dataCount, const FormedData& formed,
                                    const StatisticsSelection& s, int k) {
    CapabilityFigures f;
    if (k < 0 || k >= GetStatColumnCount(d))
        return f;
    // The individual values: every stored data behind the group averages, else the data
    // selected.
    const bool averaging = IsAveraging(s.mode);
    const std::vector<double> values = averaging
                                           ? LayerChartValues(stored, dataCount, d, k)
                                           : LayerChartValues(formed.items, formed.nDataCt, d, k);
    RunningSpread spread;
    for (double v : values)
        spread.Add(v);
    f.n = spread.count;
    if (f.n == 0)
        return f;
    std::optional<double> within;
    if (averaging) {
        const ChartGroups g = FormChartGroups(stored, dataCount, d, k, s.mode, s.nGroupSize,
                                              std::numeric_limits<std::size_t>::max());
        within = GroupSigma(g.groups);
    } else {
        within = MovingRangeSigma(values);
    }
    std::optional<double> overall;
    if (f.n >= 2)
        overall = spread.SampleStdDev();
    if (const std::optional<Limits> l = ColumnLimits(d, k)) {
        Judge(*l, spread.mean, within, f.cp, f.cpk);
        Judge(*l, spread.mean, overall, f.pp, f.ppk);
    }
    // Shown in the condition's unit, as every other statistic.
    const double divisor = GetUnitDivisor(d.bUnit);
    f.mean = spread.mean / divisor;
    if (within)
        f.sigmaWithin = *within / divisor;
    if (overall)
        f.sigmaOverall = *overall / divisor;
    return f;
}

}  // namespace klv
