#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reference/meas_file_data.h"
#include "stats/capability.h"
#include "stats/control_chart.h"
#include "stats/histogram.h"
#include "stats/profile_chart.h"
#include "stats/statistics_result.h"

namespace klv {

// A stored-unit value as the chart pages show it: displayed unit, layer value formatter,
// without the leading blanks.
std::string ChartValueText(double stored, const MeasFileData& d, int k);

// The lists beside the charts: headers with their widths in average character widths, and
// the rows; every column but the first is right-aligned.
struct ChartListColumn {
    std::string header;
    int chars = 8;
};
struct ChartList {
    std::vector<ChartListColumn> columns;
    std::vector<std::vector<std::string>> rows;
};

// Unit, data number, the column's average (as the statistics computed it), the classes, and
// the process capability.
ChartList HistogramList(const MeasFileData& d, int k, std::uint32_t dataCount,
                        const LayerStatistics& s, const Histogram& h, const CapabilityFigures& c);
ChartList ProfileList(const MeasFileData& d, int k, const ProfileValues& v);
// "%5" and "R": centre, limits and the axis range of both charts.
ChartList ControlLimitList(const MeasFileData& d, int k, const ControlChart& c);
// "A2", "D3" and "D4" in 6 characters.
ChartList ControlFactorList(const ControlChartFactors& f);

// "Cp", "Cpk", "Pp" and "Ppk" with three decimals, or "-" where a figure is missing.
struct CapabilityTexts {
    std::string cp;
    std::string cpk;
    std::string pp;
    std::string ppk;
};
CapabilityTexts FormatCapability(const CapabilityFigures& c);

// A run rule break of group `group` (0-based) as listed under the control chart.
std::string RunRuleLine(std::size_t group, unsigned rules);

}  // namespace klv
