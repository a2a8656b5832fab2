#pragma once

#include <QColor>
#include <QRect>
#include <span>

#include "reference/meas_file_data.h"
#include "stats/control_chart.h"
#include "stats/run_rules.h"

class QPainter;

namespace klv {

inline const QColor kRunRuleMarker(192, 0, 192);

// What the X-bar/R page shows of layer k: X-bar/R, or I-MR for single data.
struct ControlChartData {
    const MeasFileData* d = nullptr;
    int k = 0;
    std::span<const ChartGroup> groups;
    const ControlChartSeries* series = nullptr;
    ControlChart chart;
    const ChartRuleBreaks* rules = nullptr;
};

// The chart's own font: Times New Roman, 9 points on the device.
QFont ControlChartFont();

// Draws both charts into `area` of any device in the painter's font; `ratio` is the device's
// resolution over the screen's.
void DrawControlChart(QPainter& p, const QRect& area, const ControlChartData& data, int ratio,
                      const QColor& background);

}  // namespace klv
