#pragma once

#include <QColor>
#include <QRect>

#include "reference/meas_file_data.h"
#include "stats/histogram.h"

class QPainter;

namespace klv {

// What the histogram shows of layer k.
struct HistogramChart {
    const MeasFileData* d = nullptr;
    int k = 0;
    Histogram hist;
    ChartStatistics stats;
};

// Draws the histogram into `area` of any device in the painter's font; `ratio` is the device's
// resolution over the screen's, `print` selects hatched bars.
void DrawHistogramChart(QPainter& p, const QRect& area, const HistogramChart& chart, int ratio,
                        bool print, const QColor& background);

}  // namespace klv
