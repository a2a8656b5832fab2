#include "stats/chart_geometry.h"

#include <algorithm>
#include <cmath>

#include "stats/profile_chart.h"

namespace klv {
namespace {

// a · b / c without overflow, rounded toward zero as the device arithmetic does.
int MulDiv(long long a, long long b, long long c) {
    return c == 0 ? 0 : static_cast<int>(a * b / c);
}

}  // namespace

ChartRect ChartFrame(const ChartRect& area, int c, int h, int labelChars) {
    return {area.left + c / 2 + labelChars * c, area.top + h / 4, area.right - c,
            area.bottom - 9 * h / 8 - h / 4};
}

ChartRect HistogramBar(const ChartRect& frame, const Histogram& hist, unsigned j, int gap) {
    const unsigned f = hist.scale.divisions;
    const int w = frame.Width();
    ChartRect bar{frame.left + MulDiv(w, j, f), frame.top, frame.left + MulDiv(w, j + 1, f),
                  frame.bottom};
    bar.right = std::min(bar.right, frame.right);
    if (bar.Width() > 2 * gap && j + 1 < f)
        bar.right -= gap;
    const std::uint32_t count = j < hist.counts.size() ? hist.counts[j] : 0;
    const int height = std::min(MulDiv(frame.Height(), count, hist.top), frame.Height());
    bar.top = frame.bottom - height;
    return bar;
}

std::optional<int> HistogramAverageX(const ChartRect& frame, const HistogramScale& scale,
                                     double average) {
    const double x =
        frame.left + (average - scale.lower) * frame.Width() / ChartSpan(scale.lower, scale.upper);
    if (!(x >= frame.left && x <= frame.right))
        return std::nullopt;
    return static_cast<int>(x);
}

std::vector<ChartPoint> HistogramCurve(const ChartRect& frame, const Histogram& hist,
                                       const ChartStatistics& s) {
    std::vector<ChartPoint> points;
    const double scale = CurveScale(hist, frame.Height());
    if (scale == 0 || frame.Width() <= 0)
        return points;
    const double span = ChartSpan(hist.scale.lower, hist.scale.upper);
    for (int column = frame.left; column <= frame.right; column += 2) {
        const double x = hist.scale.lower + (column - frame.left) * span / frame.Width();
        const double y = frame.bottom - NormalDensity(x, s.dAverage, s.dStdDev) * scale;
        if (y >= frame.top && y <= frame.bottom)
            points.push_back({column, static_cast<int>(y)});
    }
    return points;
}

ControlChartRects ControlChartLayout(const ChartRect& area, int c, int h) {
    const int left = area.left + c / 2 + 7 * c;
    const int right = area.right - c;
    const int plotBottom = area.bottom - 9 * h / 8 - h / 4;
    const int t = plotBottom - h / 8 - (h + 1) / 2 - 3 * h / 2 - area.top;
    const int xTop = area.top + (h + 1) / 2 + h / 8;
    return {{left, xTop, right, xTop + 4 * t / 7},
            {left, plotBottom - 3 * t / 7, right, plotBottom}};
}

ChartPoint ControlChartPoint(const ChartRect& plot, const ChartBlock& axis, std::size_t i,
                             std::size_t groups, float value) {
    return {ProfilePointX(plot.left, plot.right, i, groups),
            ChartValueY(plot.bottom, plot.Height(), value, axis.bottom, axis.top)};
}

bool IsOutOfControl(const ChartGroup& g, const ControlChart& c) {
    const float mean = g.Mean();
    const float range = g.Range();
    return mean < c.x.lcl || mean > c.x.ucl || range < c.r.lcl || range > c.r.ucl;
}

}  // namespace klv
