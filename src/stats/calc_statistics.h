#pragma once

#include <cstdint>
#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_result.h"

namespace klv {

struct FormedData;

// Counts the value of each statistics column (GetStatColumns) of each of the `dataCount`
// statistics data (L entries each) that has a value; each column's average divides by its own
// count. The standard deviation is taken about the mean in double precision, so a small spread
// keeps its digits.
StatisticsResult CalcStatistics(std::span<const MsrLogRecord> formed, std::uint32_t dataCount,
                                const MeasFileData& d);
StatisticsResult CalcStatistics(const FormedData& formed, const MeasFileData& d);

}  // namespace klv
