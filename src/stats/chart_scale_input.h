#pragma once

#include <optional>
#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// The scale edits of the chart pages. Each check answers the value, or nothing with the message
// the operator sees in `message`.

// An axis or range value typed in the displayed unit, in the stored unit: -99999 ... 999999,
// or 0 ... 999999 for the R chart.
std::optional<double> ParseChartBound(const std::string& text, const MeasFileData& d,
                                      bool rangeChart, std::string& message);
// The histogram's division number, 1 ... 100; its integer part.
std::optional<unsigned> ParseDivisionNumber(const std::string& text, std::string& message);
// The data number of one group when the groups differ in size, 2 ... 999.
std::optional<int> ParseGroupDataNumber(const std::string& text, std::string& message);

// Puts the two bounds in order.
inline void OrderBounds(double& lower, double& upper) {
    if (lower > upper)
        std::swap(lower, upper);
}

}  // namespace klv
