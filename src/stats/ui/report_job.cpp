#include "stats/ui/report_job.h"

#include <QFontMetrics>

#include "base/ui/report_drawing.h"

namespace klv {

bool RunReport(ReportPrinter& printer, QWidget* dialog, int titlePoints,
               const ReportLayout& layout) {
    const bool printed = printer.PrintReport(dialog, [&](QWidget*, PrintPageContext& pc) {
        ReportPage page(MetricsOf(pc));
        const QFont titleFont = ScaledReportFont(pc, titlePoints);
        const QFontMetrics fm(titleFont, pc.painter->device());
        const TitleMetrics title{fm.horizontalAdvance(QLatin1Char('X')), fm.height()};
        int used = pc.rect.bottom;
        const bool more = layout(page, pc.rect, title, used);
        DrawReportPage(pc, page, titleFont);
        pc.rect.bottom = std::min(pc.rect.bottom, std::max(used, pc.rect.top));
        return more;
    });
    if (printed)
        printer.FeedRollPaper();
    return printed;
}

}  // namespace klv
