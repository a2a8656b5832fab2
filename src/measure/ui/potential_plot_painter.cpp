#include "measure/ui/potential_plot_painter.h"

#include <QFontMetrics>

namespace klv {

namespace {

constexpr int kLabelChars = 8;
constexpr int kCursorDotStep = 4;
constexpr int kTickLength = 4;

int CharWidth(const QFontMetrics& m) {
    return m.horizontalAdvance(QLatin1Char('0'));
}

void PaintLabels(QPainter& p, const QRect& plot, const PlotFrame& f) {
    const QFontMetrics m = p.fontMetrics();
    const int labelRight = plot.left() - CharWidth(m) / 2;
    const auto label = [&](std::int32_t mv, int y) {
        const QString text = QString::fromLatin1(PotentialLabel(mv).c_str());
        p.drawText(QRect(0, y - m.height() / 2, labelRight, m.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    label(f.limits.upper, plot.top());
    const int middle = (plot.top() + plot.bottom()) / 2;
    label((f.limits.upper + f.limits.lower) / 2, middle);
    p.drawLine(plot.left() - kTickLength, middle, plot.left(), middle);
    label(f.limits.lower, plot.bottom());
}

void PaintTicks(QPainter& p, const QRect& plot, const PlotFrame& f, int dataColumns) {
    const QFontMetrics m = p.fontMetrics();
    const int step = TickSpacing(CharWidth(m));
    const int first = (f.scrollPosition + step - 1) / step * step;
    for (int u = first; u - f.scrollPosition < plot.width() && u <= dataColumns; u += step) {
        const int x = plot.left() + u - f.scrollPosition;
        p.drawLine(x, plot.bottom(), x, plot.bottom() + kTickLength);
        const QString text =
            QString::fromLatin1(ThicknessText(f.condition, u, f.timePerPixel).c_str()).trimmed();
        const int w = m.horizontalAdvance(text);
        p.drawText(x - w / 2, plot.bottom() + kTickLength + m.ascent(), text);
    }
}

void PaintCursors(QPainter& p, const QRect& plot, const PlotFrame& f) {
    p.setPen(f.cursorColor);
    const QFontMetrics m = p.fontMetrics();
    for (int k = 0; k < kCursorCount; ++k) {
        const int u = f.cursors[k];
        if (u < f.scrollPosition || u - f.scrollPosition >= plot.width())
            continue;
        const int x = plot.left() + u - f.scrollPosition;
        for (int y = plot.top(); y <= plot.bottom(); y += kCursorDotStep)
            p.drawPoint(x, y);
        const QString name = QStringLiteral("V%1").arg(k + 1);
        p.drawText(x - m.horizontalAdvance(name) / 2, plot.top() - m.descent() - 1, name);
    }
}

}  // namespace

QRect PlotRect(const QRect& area, const QFontMetrics& metrics) {
    const int line = metrics.height();
    return area.adjusted(CharWidth(metrics) * kLabelChars, line, -2, -(line * 5 / 4));
}

void PaintPlot(QPainter& p, const QRect& area, const PlotFrame& f) {
    const QRect plot = PlotRect(area, p.fontMetrics());
    if (plot.width() <= 0 || plot.height() <= 1)
        return;
    p.setPen(Qt::black);
    PaintLabels(p, plot, f);
    const int dataColumns =
        PixelCount(f.interval, static_cast<std::int32_t>(f.samples.size()), f.timePerPixel);
    PaintTicks(p, plot, f, dataColumns);
    p.setPen(Qt::gray);
    p.drawRect(plot.adjusted(-1, -1, 0, 0));

    const std::vector<ColumnExtremes> columns =
        VisibleColumns(f.samples, f.scrollPosition, plot.width(), f.timePerPixel, f.interval);
    p.save();
    p.setClipRect(plot);
    p.setPen(f.graphColor);
    const int top = plot.top();
    const int bottom = plot.bottom() + 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int x = plot.left() + static_cast<int>(i);
        const int yHigh = PlotY(columns[i].high, f.limits, top, bottom);
        const int yLow = PlotY(columns[i].low, f.limits, top, bottom);
        if (yHigh == yLow)
            p.drawPoint(x, yHigh);
        else
            p.drawLine(x, yHigh, x, yLow);
    }
    p.restore();
    PaintCursors(p, plot, f);
}

}  // namespace klv
