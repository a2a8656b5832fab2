#include "stats/ui/chart_view.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace klv {

CChartView::CChartView(Draw draw, QWidget* parent) : QWidget(parent), m_draw(std::move(draw)) {
    setObjectName(QStringLiteral("chart"));
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CChartView::DrawScaled(QPainter& p, qreal ratio) const {
    const int r = std::max(1, static_cast<int>(std::lround(ratio)));
    p.scale(1 / ratio, 1 / ratio);
    QFont font = ChartFont();
    font.setPixelSize(std::max(1, static_cast<int>(QFontInfo(ChartFont()).pixelSize() * ratio)));
    p.setFont(font);
    const QRect area(0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
    m_draw(p, area, r);
}

void CChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawScaled(p, devicePixelRatioF());
}

QImage CChartView::Render() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Base));
    QPainter p(&image);
    DrawScaled(p, 1);
    return image;
}

}  // namespace klv
