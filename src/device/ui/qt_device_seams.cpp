#include "device/ui/qt_device_seams.h"

#include <QApplication>
#include <QCoreApplication>

namespace klv {

void QtPollTarget::PostPollingNotify() {
    QCoreApplication::postEvent(m_receiver, new QEvent(kPollingNotifyEvent));
}

void QtUiPump::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void QtBusyScopeHost::EnterBusy() {
    m_disabled.clear();
    m_focus = QApplication::focusWidget();
    auto disable = [this](QWidget* w) {
        if (!w || !w->isVisible() || !w->isEnabled())
            return;
        if (static_cast<int>(m_disabled.size()) >= kMaxWindows)
            return;
        w->setEnabled(false);
        m_disabled.emplace_back(w);
    };
    disable(m_main);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != m_main && w->isWindow() && (w->windowFlags() & Qt::WindowSystemMenuHint))
            disable(w);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyScopeHost::LeaveBusy() {
    for (auto it = m_disabled.rbegin(); it != m_disabled.rend(); ++it)
        if (*it)
            (*it)->setEnabled(true);
    m_disabled.clear();
    if (m_focus)
        m_focus->setFocus();
    QApplication::restoreOverrideCursor();
}

}  // namespace klv
