#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <array>
#include <span>

#include "measure/potential_plot.h"

namespace klv {

// What one frame of the plot shows.
struct PlotFrame {
    std::span<const std::int32_t> samples;
    TraceCondition condition;
    std::int32_t interval = kDefaultSamplingIntervalMs;
    std::int32_t timePerPixel = 200;
    PlotLimits limits;
    int scrollPosition = 0;
    std::array<int, kCursorCount> cursors{-1, -1, -1, -1, -1};
    QColor graphColor;
    QColor cursorColor;
};

// The rectangle of the curve inside `area`: room for the potential labels on the left, the
// cursor names on top and the thickness labels at the bottom.
QRect PlotRect(const QRect& area, const QFontMetrics& metrics);
// Draws labels, frame, ticks, the visible columns and the cursors.
void PaintPlot(QPainter& p, const QRect& area, const PlotFrame& frame);

}  // namespace klv
