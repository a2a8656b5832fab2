#pragma once

#include <QFont>

#include "base/report_page.h"
#include "base/ui/print_page_context.h"

namespace klv {

// The page's metrics in the context's print font.
inline ReportMetrics MetricsOf(const PrintPageContext& pc) {
    return {pc.charWidth, pc.charHeight};
}

// The print font at `points` instead of the print font's 12 points; the print font itself for 0.
QFont ScaledReportFont(const PrintPageContext& pc, int points);

// Draws the page's texts (titles in `titleFont`), clipped to the context's rectangle.
void DrawReportPage(PrintPageContext& pc, const ReportPage& page, const QFont& titleFont);

}  // namespace klv
