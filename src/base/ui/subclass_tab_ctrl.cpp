#include "base/ui/subclass_tab_ctrl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace klv {

CSubclassTabCtrl::CSubclassTabCtrl(SoundPlayer& sounds, QWidget* parent)
    : QTabBar(parent), m_sounds(sounds) {}

bool CSubclassTabCtrl::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return QTabBar::event(event);
    bool handled = false;
    Guarded([&] { handled = QTabBar::event(event); });
    return handled;
}

void CSubclassTabCtrl::keyPressEvent(QKeyEvent* event) {
    Guarded([&] { QTabBar::keyPressEvent(event); });
}

void CSubclassTabCtrl::wheelEvent(QWheelEvent* event) {
    Guarded([&] { QTabBar::wheelEvent(event); });
}

void CSubclassTabCtrl::Guarded(const std::function<void()>& handle) {
    const int before = currentIndex();
    int chosen = before;
    {
        // The owner hears of no page it has not allowed.
        const QSignalBlocker quiet(this);
        handle();
        chosen = currentIndex();
        if (chosen != before)
            setCurrentIndex(before);
    }
    if (chosen == before)
        return;
    if (m_guard && !m_guard(chosen)) {
        m_sounds.Beep();
        return;
    }
    setCurrentIndex(chosen);
}

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
