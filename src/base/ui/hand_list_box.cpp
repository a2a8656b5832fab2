#include "base/ui/hand_list_box.h"

namespace klv {

CHandListBox::CHandListBox(QWidget* parent) : QListWidget(parent) {
    setMouseTracking(true);
}

void CHandListBox::mouseMoveEvent(QMouseEvent* event) {
    viewport()->setCursor(Qt::PointingHandCursor);
    QListWidget::mouseMoveEvent(event);
}

void CHandListBox::leaveEvent(QEvent* event) {
    viewport()->unsetCursor();
    QListWidget::leaveEvent(event);
}

}  // namespace klv
