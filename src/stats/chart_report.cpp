#include "stats/chart_report.h"

#include <algorithm>

#include "reference/layer_value_format.h"
#include "stats/stat_columns.h"

namespace klv {

namespace {

std::string JoinCells(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i == 0 ? "" : "\t") + cells[i];
    return line;
}

}  // namespace

std::vector<std::string> ChartListLines(const ChartList& list) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.columns.size(); ++i)
        lines.push_back(list.columns[i].header + "\t" +
                        (list.rows.empty() ? std::string() : list.rows.front()[i]));
    return lines;
}

std::vector<std::string> ControlChartLines(const MeasFileData& d, int k, std::size_t groups, int n,
                                           const ChartList& limits, const ChartList& factors) {
    std::vector<std::string> lines = {"Unit\t" + GetStatUnitName(d, k),
                                      "Number of groups\t" + std::to_string(groups),
                                      "Data number of one group\t" + std::to_string(n)};
    std::vector<std::string> header;
    for (const ChartListColumn& c : limits.columns)
        header.push_back(c.header);
    lines.push_back(JoinCells(header));
    for (const ChartList* list : {&limits, &factors})
        for (const std::vector<std::string>& row : list->rows)
            lines.push_back(JoinCells(row));
    return lines;
}

std::vector<std::string> RuleBreakReportLines(const std::vector<std::string>& breaks,
                                              std::size_t shown) {
    if (breaks.empty())
        return {};
    std::vector<std::string> lines = {"Run rule breaks\t" + std::to_string(breaks.size())};
    const std::size_t listed = std::min(shown, breaks.size());
    lines.insert(lines.end(), breaks.begin(), breaks.begin() + static_cast<std::ptrdiff_t>(listed));
    if (listed < breaks.size())
        lines.push_back("... " + std::to_string(breaks.size() - listed) +
                        " more, marked on the chart");
    return lines;
}

int PrintChartReportHead(ReportPage& page, const PrintRect& area, const std::string& title,
                         const MeasFileData& d, int index, int k,
                         const std::vector<std::string>& lines) {
    const ReportMetrics& m = page.Metrics();
    const int x = area.left;
    int y = area.top;
    page.Text(x, y, "[ " + title + " ]");
    y += 3 * m.h / 2;
    page.Text(x, y, FormatFileTitle(index + 1, d));
    y += 3 * m.h / 2;
    std::vector<std::string> all = {"Coating\t" + GetStatColumn(d, k).title};
    all.insert(all.end(), lines.begin(), lines.end());
    int longest = 0;
    // Lines without a tab (the rule breaks) run across the columns and set no stop.
    for (const std::string& line : all)
        if (line.find('\t') != std::string::npos)
            longest = std::max(longest, ShownTextLength(line.substr(0, line.find('\t'))));
    // Rows of several values keep the list's columns apart.
    std::vector<int> stops;
    for (int j = 0; j < 5; ++j)
        stops.push_back(m.c * (longest + 2 + 11 * j));
    for (const std::string& line : all) {
        page.Tabbed(x, y, line, stops);
        y += 5 * m.h / 4;
    }
    return y;
}

PrintRect ChartReportArea(const PrintRect& area, int top, int screenWidth, int screenHeight) {
    const int width = area.right - area.left;
    if (screenWidth <= 0 || screenHeight <= 0 || width <= 0 || top >= area.bottom)
        return {area.left, top, area.left, top};
    const long long height = static_cast<long long>(width) * screenHeight / screenWidth;
    const int bottom = static_cast<int>(std::min<long long>(top + height, area.bottom));
    return {area.left, top, area.right, bottom};
}

}  // namespace klv
