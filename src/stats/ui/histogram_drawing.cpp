#include "stats/ui/histogram_drawing.h"

#include <QPainter>

#include "base/ui/text_codec.h"
#include "stats/chart_geometry.h"
#include "stats/stat_columns.h"
#include "stats/ui/chart_drawing.h"

namespace klv {

void DrawHistogramChart(QPainter& p, const QRect& area, const HistogramChart& chart, int ratio,
                        bool print, const QColor& background) {
    const MeasFileData& d = *chart.d;
    const Histogram& hist = chart.hist;
    p.save();
    p.fillRect(area, background);
    p.setBackgroundMode(Qt::TransparentMode);
    const ChartCanvas cv = MakeChartCanvas(p, ratio, print);
    const ChartRect frame = ChartFrame(ToChartRect(area), cv.c, cv.h, 5);
    if (frame.Width() <= 0 || frame.Height() <= 0) {
        p.restore();
        return;
    }
    DrawFrameBorder(p, frame);

    p.setPen(Qt::black);
    const int countRight = area.left() + cv.c + 4 * cv.c;
    // The top label stays whole inside the area.
    TextRightAt(cv, countRight, std::max(frame.top, area.top() + cv.h / 2),
                QString::number(hist.top));
    TextRightAt(cv, countRight, (frame.top + frame.bottom) / 2, QString::number(hist.top / 2));
    TextRightAt(cv, countRight, frame.bottom, QStringLiteral("0"));

    const int labelY = area.top() + area.height() - 9 * cv.h / 8 + cv.h / 2;
    const HistogramScale& s = hist.scale;
    TextLeftAt(cv, frame.left - cv.c, labelY,
               ChartLabel(s.lower, d, chart.k) + QLatin1Char(' ') +
                   ToQString(GetStatUnitName(d, chart.k)));
    TextCentredAt(cv, (frame.left + frame.right) / 2, labelY,
                  ChartLabel((s.lower + s.upper) / 2, d, chart.k));
    TextRightAt(cv, frame.right + cv.c / 2, labelY, ChartLabel(s.upper, d, chart.k));

    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(kChartGreen, print ? Qt::DiagCrossPattern : Qt::SolidPattern));
    for (unsigned j = 0; j < s.divisions; ++j) {
        const ChartRect bar = HistogramBar(frame, hist, j, cv.ratio);
        if (bar.Width() > 0 && bar.Height() > 0)
            p.drawRect(bar.left, bar.top, bar.Width(), bar.Height());
    }
    p.setBrush(Qt::NoBrush);

    DottedHLine(cv, frame.left, frame.right - 1, (frame.top + frame.bottom) / 2, 4, Qt::black);
    DottedVLine(cv, (frame.left + frame.right) / 2, frame.top, frame.bottom - 1, 4, Qt::black);
    if (const auto x = HistogramAverageX(frame, s, chart.stats.dAverage))
        DottedVLine(cv, *x, frame.top, frame.bottom - 1, 2, kChartDarkRed);
    SetChartPen(cv, kChartDarkBlue);
    for (const ChartPoint& pt : HistogramCurve(frame, hist, chart.stats))
        p.drawPoint(pt.x, pt.y);
    p.restore();
}

}  // namespace klv
