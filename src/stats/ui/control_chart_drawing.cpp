#include "stats/ui/control_chart_drawing.h"

#include <QPainter>

#include "base/glyph_text.h"
#include "base/ui/draw_glyph_text.h"
#include "stats/chart_geometry.h"
#include "stats/chart_lists.h"
#include "stats/profile_chart.h"
#include "stats/ui/chart_drawing.h"

namespace klv {

namespace {

QRect ToQRect(const ChartRect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

// A limit or centre line: dashes e pixels long every 3e pixels, when inside the plot.
void DashedLevel(const ChartCanvas& cv, const ChartRect& plot, const ChartBlock& axis, float value,
                 const QColor& colour) {
    const int y = ChartValueY(plot.bottom, plot.Height(), value, axis.bottom, axis.top);
    if (y < plot.top || y > plot.bottom)
        return;
    const int e = 2 * cv.ratio;
    SetChartPen(cv, colour);
    for (int x = plot.left + 1; x < plot.right; x += 3 * e)
        cv.p.drawLine(x, y, std::min(x + e, plot.right), y);
}

// The grey sides, the labelled ticks and the chart's name.
void DrawAxis(const ChartCanvas& cv, const ChartRect& plot, const ChartBlock& axis, int intervals,
              const QString& name, const ControlChartData& data, int labelX) {
    const int e = 2 * cv.ratio;
    SetChartPen(cv, kChartGrey);
    cv.p.drawLine(plot.left, plot.top, plot.left, plot.bottom);
    cv.p.drawLine(plot.right, plot.top, plot.right, plot.bottom);
    for (int i = 0; i <= intervals; ++i) {
        const int y = plot.top + plot.Height() * i / intervals;
        SetChartPen(cv, kChartGrey);
        cv.p.drawLine(plot.left, y, plot.left + e + 1, y);
        const double value = axis.top - (double(axis.top) - axis.bottom) * i / intervals;
        cv.p.setPen(Qt::black);
        TextLeftAt(cv, labelX, y, ChartLabel(value, *data.d, data.k));
    }
    cv.p.setPen(kChartGreen);
    DrawGlyphText(cv.p, name, QRect(plot.left + 2 * e, plot.top, 4 * cv.c, cv.h), 0);
}

void DrawMarker(const ChartCanvas& cv, QPoint pt, bool outOfControl, bool ruleBreak) {
    const int m = 2 * cv.ratio;
    if (outOfControl) {
        SetChartPen(cv, kChartRed);
        cv.p.setBrush(Qt::NoBrush);
        cv.p.drawRect(pt.x() - m, pt.y() - m, 2 * m, 2 * m);
        return;
    }
    SetChartPen(cv, ruleBreak ? kRunRuleMarker : kChartGreen);
    cv.p.drawLine(pt.x() - m, pt.y() - m, pt.x() + m, pt.y() + m);
    cv.p.drawLine(pt.x() - m, pt.y() + m, pt.x() + m, pt.y() - m);
    cv.p.drawLine(pt.x() - m, pt.y(), pt.x() + m, pt.y());
    cv.p.drawLine(pt.x(), pt.y() - m, pt.x(), pt.y() + m);
}

// The joined points of one chart with their markers, clipped to it.
void DrawPoints(const ChartCanvas& cv, const ChartRect& plot, const ChartBlock& axis,
                const ControlChartData& data, bool rangeChart) {
    const std::size_t k = data.series->x.size();
    const std::vector<float>& values = rangeChart ? data.series->r : data.series->x;
    const std::vector<unsigned>& rules = rangeChart ? data.rules->r : data.rules->x;
    const std::size_t first = rangeChart ? data.series->rFirst : 0;
    const auto point = [&](std::size_t j) {
        const ChartPoint pt = ControlChartPoint(plot, axis, j + first, k, values[j]);
        return QPoint(pt.x, pt.y);
    };
    cv.p.save();
    cv.p.setClipRect(ToQRect(plot).adjusted(0, 0, 1, 1));
    SetChartPen(cv, kChartGreen);
    for (std::size_t j = 1; j < values.size(); ++j)
        cv.p.drawLine(point(j - 1), point(j));
    for (std::size_t j = 0; j < values.size(); ++j) {
        const QPoint pt = point(j);
        if (pt.y() < plot.top || pt.y() > plot.bottom)
            continue;
        const bool rule = j < rules.size() && (rules[j] & ~kRuleBeyondLimits) != 0;
        // A group's two points go red together when either leaves its limits.
        const bool out = data.series->individuals ? values[j] > axis.ucl || values[j] < axis.lcl
                                                  : IsOutOfControl(data.groups[j], data.chart);
        DrawMarker(cv, pt, out, rule);
    }
    cv.p.restore();
}

void DrawGroupAxis(const ChartCanvas& cv, const ChartRect& plot, std::size_t k, int labelY) {
    const int e = 2 * cv.ratio;
    SetChartPen(cv, kChartGrey);
    cv.p.drawLine(plot.left, plot.bottom + 1, plot.right + 1, plot.bottom + 1);
    for (std::size_t label : GroupAxisLabels(k)) {
        const int x = ProfilePointX(plot.left, plot.right, label - 1, k);
        cv.p.setPen(Qt::black);
        if (label == k && k > 1) {
            TextRightAt(cv, plot.right + cv.c / 2, labelY, QString::number(label));
            continue;
        }
        TextCentredAt(cv, x, labelY, QString::number(label));
        SetChartPen(cv, kChartGrey);
        cv.p.drawLine(x, plot.bottom + 1, x, plot.bottom + 1 + e + 1);
    }
}

}  // namespace

QFont ControlChartFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(9);
    return font;
}

void DrawControlChart(QPainter& p, const QRect& area, const ControlChartData& data, int ratio,
                      const QColor& background) {
    p.save();
    p.fillRect(area, background);
    p.setBackgroundMode(Qt::TransparentMode);
    const ChartCanvas cv = MakeChartCanvas(p, ratio, false);
    const ChartRect a = ToChartRect(area);
    const ControlChartRects plots = ControlChartLayout(a, cv.c, cv.h);
    if (plots.x.Width() <= 0 || plots.x.Height() <= 0 || plots.r.Height() <= 0 ||
        data.series->x.empty()) {
        p.restore();
        return;
    }
    const ControlChart& c = data.chart;
    const int labelX = a.left + cv.c;
    const ControlChartNames names = ControlChartNamesOf(data.series->individuals);
    for (const auto& [plot, axis, range] :
         {std::tuple{plots.x, c.x, false}, std::tuple{plots.r, c.r, true}}) {
        DashedLevel(cv, plot, axis, axis.centre, kChartDarkBlue);
        DashedLevel(cv, plot, axis, axis.ucl, kChartRed);
        DashedLevel(cv, plot, axis, axis.lcl, kChartRed);
        DrawAxis(cv, plot, axis, range ? 3 : 4, QString::fromLatin1(range ? names.r : names.x),
                 data, labelX);
        DrawPoints(cv, plot, axis, data, range);
    }
    DrawGroupAxis(cv, plots.r, data.series->x.size(), a.bottom - 9 * cv.h / 8 + cv.h / 2);
    p.restore();
}

}  // namespace klv
