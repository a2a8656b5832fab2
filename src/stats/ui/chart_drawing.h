#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "reference/meas_file_data.h"
#include "stats/chart_geometry.h"

class QPainter;

namespace klv {

inline const QColor kChartGrey(128, 128, 128);
inline const QColor kChartGreen(0, 128, 0);
inline const QColor kChartDarkRed(128, 0, 0);
inline const QColor kChartDarkBlue(0, 0, 128);
inline const QColor kChartRed(255, 0, 0);

// What a chart is drawn on: the painter in device pixels, the extent of "X" in its font and
// the ratio of the device's resolution to the screen's.
struct ChartCanvas {
    QPainter& p;
    int c = 0;
    int h = 0;
    int ratio = 1;
    bool print = false;
};

// Measures the painter's current font.
ChartCanvas MakeChartCanvas(QPainter& p, int ratio, bool print);

ChartRect ToChartRect(const QRect& r);

// A stored-unit value as the chart labels show it.
QString ChartLabel(double stored, const MeasFileData& d, int k);

// One dot every `step` screen pixels along a line; dots and lines grow with the ratio so that
// a printer's fine dots stay visible.
void DottedHLine(const ChartCanvas& cv, int x0, int x1, int y, int step, const QColor& colour);
void DottedVLine(const ChartCanvas& cv, int x, int y0, int y1, int step, const QColor& colour);
void SetChartPen(const ChartCanvas& cv, const QColor& colour);

// Texts placed by one edge, vertically centred on y.
void TextRightAt(const ChartCanvas& cv, int right, int y, const QString& text);
void TextLeftAt(const ChartCanvas& cv, int left, int y, const QString& text);
void TextCentredAt(const ChartCanvas& cv, int x, int y, const QString& text);

// The grey rectangle one pixel outside the frame.
void DrawFrameBorder(QPainter& p, const ChartRect& frame);

}  // namespace klv
