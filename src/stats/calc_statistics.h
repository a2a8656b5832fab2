#pragma once

#include <cstdint>
#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_result.h"

namespace klv {

struct FormedData;

// Counts every layer item of each of the `dataCount` statistics data (L entries each) that its
// result shows for a layer of its own and that has a value; the totals of an alloy split never
// count, and each layer's average divides by its own count. The standard
// deviation is taken about the mean in double precision, so a small spread keeps its digits.
StatisticsResult CalcStatistics(std::span<const MsrLogRecord> formed, std::uint32_t dataCount,
                                const MeasFileData& d);
StatisticsResult CalcStatistics(const FormedData& formed, const MeasFileData& d);

}  // namespace klv
