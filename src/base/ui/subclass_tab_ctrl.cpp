#include "base/ui/subclass_tab_ctrl.h"

#include <QApplication>
#include <QMouseEvent>

namespace klv {

CSubclassTabCtrl::CSubclassTabCtrl(QWidget* parent) : QTabBar(parent) {}

void CSubclassTabCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_guard) {
        int index = tabAt(event->position().toPoint());
        if (index >= 0 && !m_guard(index)) {
            ++m_refused;
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QTabBar::mousePressEvent(event);
}

}  // namespace klv
