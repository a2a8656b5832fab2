#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reference/meas_file_data.h"
#include "stats/capability.h"
#include "stats/control_chart.h"
#include "stats/histogram.h"
#include "stats/profile_chart.h"
#include "stats/run_rules.h"
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
// The names of both plots with glyph escapes: "%5" and "R", or "X" and "MR" for single data.
struct ControlChartNames {
    const char* x;
    const char* r;
};
ControlChartNames ControlChartNamesOf(bool individuals);
// "%5" and "R" (or "X" and "MR"): centre, limits and the axis range of both charts.
ChartList ControlLimitList(const MeasFileData& d, int k, const ControlChart& c, bool individuals);
// "A2", "D3" and "D4" in 6 characters; "E2", "D3" and "D4" of the moving range for single data.
ChartList ControlFactorList(const ControlChartFactors& f, bool individuals);

// "Cp", "Cpk", "Pp" and "Ppk" with three decimals, or "-" where a figure is missing.
struct CapabilityTexts {
    std::string cp;
    std::string cpk;
    std::string pp;
    std::string ppk;
};
CapabilityTexts FormatCapability(const CapabilityFigures& c);

// The run rule breaks as listed under the control chart: one line per point and plot,
// "5 X-bar: Rule 2 (9 in a row on one side)", in group order.
std::vector<std::string> RunRuleLines(const ControlChartSeries& s, const ChartRuleBreaks& b);

}  // namespace klv
