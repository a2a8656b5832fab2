#pragma once

#include <functional>

#include "base/print_geometry.h"
#include "base/report_page.h"
#include "stats/statistics_reports.h"

class QWidget;

namespace klv {

class ReportPrinter;

// Lays out one page in the area; true while another page follows. `used` ends below the last
// text, so a roll-paper band sends no more rows than it filled.
using ReportLayout =
    std::function<bool(ReportPage& page, const PrintRect& area, TitleMetrics title, int& used)>;

// Prints the report page by page with the sender title in `titlePoints`, then feeds the roll
// paper. True when it was printed.
bool RunReport(ReportPrinter& printer, QWidget* dialog, int titlePoints,
               const ReportLayout& layout);

}  // namespace klv
