#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "stats/control_chart.h"
#include "stats/histogram.h"

namespace klv {

// Pixel rectangles and points of the statistics charts, for any device: the ui only draws them.
// c and h are the width and height of "X" in the chart's font.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ChartPoint {
    int x = 0;
    int y = 0;
};

// The plot frame inside the chart area x0, y0, x1, y1; labels take `labelChars` widths on the
// left (5 for the histogram, 7 for the profile and the control chart).
ChartRect ChartFrame(const ChartRect& area, int c, int h, int labelChars);

// Bar j of the histogram, clipped to the frame; `gap` pixels (the device's ratio to the screen)
// stay free on its right when the bar is wider than two gaps and not the last.
ChartRect HistogramBar(const ChartRect& frame, const Histogram& hist, unsigned j, int gap);

// The average's vertical line, when it lies inside the frame.
std::optional<int> HistogramAverageX(const ChartRect& frame, const HistogramScale& scale,
                                     double average);

// The normal curve: a point at every second pixel column that lies inside the frame.
std::vector<ChartPoint> HistogramCurve(const ChartRect& frame, const Histogram& hist,
                                       const ChartStatistics& s);

// The two plots of the control chart: X-bar above (4/7 of the height), R below (3/7).
struct ControlChartRects {
    ChartRect x;
    ChartRect r;
};
ControlChartRects ControlChartLayout(const ChartRect& area, int c, int h);

// Where group i's mean or range lies on its plot, between the axis bottom and top.
ChartPoint ControlChartPoint(const ChartRect& plot, const ChartBlock& axis, std::size_t i,
                             std::size_t groups, float value);

// A mean outside the X limits or a range outside the R limits: the red square marker.
bool IsOutOfControl(const ChartGroup& g, const ControlChart& c);

}  // namespace klv
