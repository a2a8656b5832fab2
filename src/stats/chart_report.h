#pragma once

#include <string>
#include <vector>

#include "base/print_geometry.h"
#include "base/report_page.h"
#include "reference/meas_file_data.h"
#include "stats/chart_lists.h"

namespace klv {

// The label-value lines of a chart report: each column of a one-row list as header and value.
std::vector<std::string> ChartListLines(const ChartList& list);
// The control chart's statics, then the rows of both lists.
std::vector<std::string> ControlChartLines(const MeasFileData& d, int k, std::size_t groups, int n,
                                           const ChartList& limits, const ChartList& factors);
// The run rule breaks of a printed control chart: a count line, then at most `shown` of
// `breaks` and a line for the rest; nothing when no rule is broken.
std::vector<std::string> RuleBreakReportLines(const std::vector<std::string>& breaks,
                                              std::size_t shown);

// "[ title ]", the file line, "Coating" with the layer's name and the lines (tab-separated);
// returns the y where the chart goes.
int PrintChartReportHead(ReportPage& page, const PrintRect& area, const std::string& title,
                         const MeasFileData& d, int index, int k,
                         const std::vector<std::string>& lines);

// The chart below the head: the full printable width, as high as the screen's aspect ratio
// gives, cut at the page bottom. Empty when nothing fits.
PrintRect ChartReportArea(const PrintRect& area, int top, int screenWidth, int screenHeight);

}  // namespace klv
