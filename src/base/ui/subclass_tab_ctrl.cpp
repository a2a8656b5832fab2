#include "base/ui/subclass_tab_ctrl.h"

#include <QMouseEvent>

namespace klv {

CSubclassTabCtrl::CSubclassTabCtrl(SoundPlayer& sounds, QWidget* parent)
    : QTabBar(parent), m_sounds(sounds) {}

void CSubclassTabCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_guard) {
        int index = tabAt(event->position().toPoint());
        if (index >= 0 && !m_guard(index)) {
            m_sounds.Beep();
            event->accept();
            return;
        }
    }
    QTabBar::mousePressEvent(event);
}

}  // namespace klv
