#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "device/poll_target.h"

namespace klv {

inline const QEvent::Type kWindowPollingEvent = static_cast<QEvent::Type>(kPollingNotifyMessage);

// Posts the polling notification to one window of this subsystem, from any thread.
class CWindowPollTarget final : public PollTarget {
public:
    explicit CWindowPollTarget(QObject* window) : m_window(window) {}
    void PostPollingNotify() override {
        QCoreApplication::postEvent(m_window, new QEvent(kWindowPollingEvent));
    }

private:
    QObject* m_window;
};

}  // namespace klv
