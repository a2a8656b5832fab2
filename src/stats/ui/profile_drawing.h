#pragma once

#include <QColor>
#include <QRect>
#include <span>

#include "reference/meas_file_data.h"
#include "stats/chart_values.h"
#include "stats/profile_chart.h"

class QPainter;

namespace klv {

// What the profile shows of layer k.
struct ProfileChart {
    const MeasFileData* d = nullptr;
    int k = 0;
    std::span<const double> values;  // stored unit, in data order
    ProfileScale scale;
    ChartStatistics stats;
};

// Draws the profile into `area` of any device in the painter's font; `ratio` is the device's
// resolution over the screen's.
void DrawProfileChart(QPainter& p, const QRect& area, const ProfileChart& chart, int ratio,
                      const QColor& background);

}  // namespace klv
