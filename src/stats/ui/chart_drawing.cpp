#include "stats/ui/chart_drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include "base/ui/text_codec.h"
#include "stats/chart_lists.h"

namespace klv {

ChartCanvas MakeChartCanvas(QPainter& p, int ratio, bool print) {
    const QFontMetrics fm(p.font(), p.device());
    return {p, fm.horizontalAdvance(QLatin1Char('X')), fm.height(), std::max(ratio, 1), print};
}

ChartRect ToChartRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QString ChartLabel(double stored, const MeasFileData& d, int k) {
    return ToQString(ChartValueText(stored, d, k));
}

void SetChartPen(const ChartCanvas& cv, const QColor& colour) {
    QPen pen(colour, cv.ratio);
    pen.setCapStyle(Qt::FlatCap);
    cv.p.setPen(pen);
}

void DottedHLine(const ChartCanvas& cv, int x0, int x1, int y, int step, const QColor& colour) {
    SetChartPen(cv, colour);
    for (int x = x0; x <= x1; x += step * cv.ratio)
        cv.p.drawPoint(x, y);
}

void DottedVLine(const ChartCanvas& cv, int x, int y0, int y1, int step, const QColor& colour) {
    SetChartPen(cv, colour);
    for (int y = y0; y <= y1; y += step * cv.ratio)
        cv.p.drawPoint(x, y);
}

namespace {

void TextAt(const ChartCanvas& cv, int x, int y, const QString& text, Qt::Alignment align) {
    const int w = QFontMetrics(cv.p.font(), cv.p.device()).horizontalAdvance(text);
    int left = x;
    if (align & Qt::AlignRight)
        left = x - w;
    else if (align & Qt::AlignHCenter)
        left = x - w / 2;
    cv.p.drawText(QRect(left, y - cv.h / 2, w + 1, cv.h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

void TextRightAt(const ChartCanvas& cv, int right, int y, const QString& text) {
    TextAt(cv, right, y, text, Qt::AlignRight);
}

void TextLeftAt(const ChartCanvas& cv, int left, int y, const QString& text) {
    TextAt(cv, left, y, text, Qt::AlignLeft);
}

void TextCentredAt(const ChartCanvas& cv, int x, int y, const QString& text) {
    TextAt(cv, x, y, text, Qt::AlignHCenter);
}

void DrawFrameBorder(QPainter& p, const ChartRect& frame) {
    p.setPen(kChartGrey);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.left - 1, frame.top - 1, frame.Width() + 1, frame.Height() + 1);
}

}  // namespace klv
