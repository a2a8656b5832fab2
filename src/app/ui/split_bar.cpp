#include "app/ui/split_bar.h"

#include <QMouseEvent>
#include <QPainter>

namespace klv {

CSplitBar::CSplitBar(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
    setFixedWidth(kBarWidth + 2 * kHitMargin);
}

void CSplitBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect bar(kHitMargin, 0, kBarWidth, height());
    painter.fillRect(bar, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(bar.topLeft(), bar.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(bar.topRight(), bar.bottomRight());
}

void CSplitBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_grab = event->position().toPoint().x() - kHitMargin;
    event->accept();
}

void CSplitBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_grab < 0 || (event->buttons() & Qt::LeftButton) == 0)
        return;
    emit dragged(mapToParent(event->position().toPoint()).x() - m_grab);
}

void CSplitBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_grab = -1;
}

}  // namespace klv
