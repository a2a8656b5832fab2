#pragma once

#include <QCursor>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "base/ui_pump.h"
#include "device/busy_scope.h"
#include "device/poll_target.h"

namespace klv {

inline const QEvent::Type kPollingNotifyEvent = static_cast<QEvent::Type>(kPollingNotifyMessage);

// Posts the polling notification to one window, from any thread.
class QtPollTarget final : public PollTarget {
public:
    explicit QtPollTarget(QObject* receiver) : m_receiver(receiver) {}
    void PostPollingNotify() override;

private:
    QObject* m_receiver;
};

class QtUiPump final : public UiPump {
public:
    void ProcessPendingEvents() override;
};

// Disables the main window and the visible top-level dialogs and shows the wait cursor.
class QtBusyScopeHost final : public BusyScopeHost {
public:
    explicit QtBusyScopeHost(QWidget* mainWindow = nullptr) : m_main(mainWindow) {}
    void SetMainWindow(QWidget* mainWindow) { m_main = mainWindow; }
    void EnterBusy() override;
    void LeaveBusy() override;

private:
    static constexpr int kMaxWindows = 100;
    QPointer<QWidget> m_main;
    std::vector<QPointer<QWidget>> m_disabled;
    QPointer<QWidget> m_focus;
};

}  // namespace klv
