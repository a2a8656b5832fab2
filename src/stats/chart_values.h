#pragma once

#include <optional>
#include <span>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_result.h"

namespace klv {

// The statistics of the shown layer in the stored unit, as the charts scale with them.
struct ChartStatistics {
    double dMaximum = 0;
    double dMinimum = 0;
    double dAverage = 0;
    double dStdDev = 0;
};

ChartStatistics ToChartUnits(const LayerStatistics& s, const MeasFileData& d);

// The value of statistics column k (GetStatColumns) of each statistics data (L entries each),
// stored unit, in data order; none where the statistics count nothing (no value, not measured).
std::vector<std::optional<double>> LayerChartValuesByData(std::span<const MsrLogRecord> formed,
                                                          std::uint32_t dataCount,
                                                          const MeasFileData& d, int k);
// The values that exist, in data order.
std::vector<double> LayerChartValues(std::span<const MsrLogRecord> formed, std::uint32_t dataCount,
                                     const MeasFileData& d, int k);

// A chart's value span, never below 0.00001 in magnitude (sign kept, 0 counts as positive), so
// no scale divides by zero.
double ChartSpan(double lower, double upper);

}  // namespace klv
