#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>

namespace klv::test {

// Acts on the modal dialog named `name` once it is up: modal dialogs block the test, so the
// steps are queued before the dialog opens. Gives up after about two seconds.
inline void WhenModal(const QString& name, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(200);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act, tries] {
        QWidget* w = QApplication::activeModalWidget();
        if ((w && w->objectName() == name) || --*tries == 0) {
            timer->stop();
            timer->deleteLater();
            if (w && w->objectName() == name)
                act(w);
        }
    });
    timer->start();
}

}  // namespace klv::test
