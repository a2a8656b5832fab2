#include "stats/ui/profile_drawing.h"

#include <QPainter>

#include "base/ui/text_codec.h"
#include "stats/chart_geometry.h"
#include "stats/stat_columns.h"
#include "stats/ui/chart_drawing.h"

namespace klv {

void DrawProfileChart(QPainter& p, const QRect& area, const ProfileChart& chart, int ratio,
                      const QColor& background) {
    const MeasFileData& d = *chart.d;
    p.save();
    p.fillRect(area, background);
    p.setBackgroundMode(Qt::TransparentMode);
    const ChartCanvas cv = MakeChartCanvas(p, ratio, false);
    const ChartRect frame = ChartFrame(ToChartRect(area), cv.c, cv.h, 7);
    if (frame.Width() <= 0 || frame.Height() <= 0) {
        p.restore();
        return;
    }
    DrawFrameBorder(p, frame);

    const ProfileScale& s = chart.scale;
    p.setPen(Qt::black);
    const int labelX = area.left() + cv.c;
    // The top label stays whole inside the area.
    const int topY = std::max(frame.top, area.top() + cv.h / 2);
    TextLeftAt(cv, labelX, topY, ChartLabel(s.upper, d, chart.k));
    TextLeftAt(cv, labelX, topY + cv.h, ToQString(GetStatUnitName(d, chart.k)));
    TextLeftAt(cv, labelX, (frame.top + frame.bottom) / 2,
               ChartLabel((s.upper + s.lower) / 2, d, chart.k));
    TextLeftAt(cv, labelX, frame.bottom - cv.h / 2, ChartLabel(s.lower, d, chart.k));
    const int labelY = area.top() + area.height() - 9 * cv.h / 8 + cv.h / 2;
    TextLeftAt(cv, frame.left, labelY, QStringLiteral("1"));
    TextRightAt(cv, frame.right, labelY, QString::number(chart.values.size()));

    p.save();
    p.setClipRect(QRect(frame.left, frame.top, frame.Width(), frame.Height()));
    SetChartPen(cv, kChartGreen);
    const std::size_t n = chart.values.size();
    const auto point = [&](std::size_t i) {
        return QPoint(ProfilePointX(frame.left, frame.right, i, n),
                      ChartValueY(frame.bottom, frame.Height(), chart.values[i], s.lower, s.upper));
    };
    for (std::size_t i = 1; i < n; ++i)
        p.drawLine(point(i - 1), point(i));
    p.restore();

    DottedHLine(cv, frame.left, frame.right - 1, (frame.top + frame.bottom) / 2, 4, Qt::black);
    const int averageY =
        ChartValueY(frame.bottom, frame.Height(), chart.stats.dAverage, s.lower, s.upper);
    if (averageY >= frame.top && averageY < frame.bottom)
        DottedHLine(cv, frame.left, frame.right - 1, averageY, 2, kChartDarkRed);
    p.restore();
}

}  // namespace klv
