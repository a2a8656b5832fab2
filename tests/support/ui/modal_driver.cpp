#include "support/ui/modal_driver.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTest>
#include <QTimer>

namespace klv::test {

namespace {

constexpr int kPollMs = 10;

bool IsNamed(const QWidget& w, const QString& name) {
    return w.objectName() == name || w.inherits(qPrintable(name));
}

QString Describe(const QWidget* w) {
    if (w == nullptr)
        return QStringLiteral("none");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

}  // namespace

// Each step polls on its own timer: a step's action may run a further dialog's event loop, and
// Qt does not deliver a timer's events again while its handler is still running.
struct ModalDriver::Step {
    QString name;
    std::function<void(QWidget&)> act;
    std::source_location queuedAt;
    int timeoutMs = 0;
    QDeadlineTimer deadline;
    QTimer timer;
    bool done = false;

    void Fail(const QString& why) {
        done = true;
        const QString message = QStringLiteral("dialog \"%1\" %2").arg(name, why);
        QTest::qFail(qPrintable(message), queuedAt.file_name(), static_cast<int>(queuedAt.line()));
    }

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (done) {
            // The test has failed already; whatever opens now is closed so it cannot hang.
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        if (modal != nullptr && IsNamed(*modal, name)) {
            done = true;
            timer.stop();
            act(*modal);
            return;
        }
        if (deadline.hasExpired()) {
            Fail(QStringLiteral("did not open within %1 ms (modal open: %2)")
                     .arg(timeoutMs)
                     .arg(Describe(modal)));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    }
};

ModalDriver::ModalDriver(int timeoutMs) : m_timeoutMs(timeoutMs) {}

ModalDriver::~ModalDriver() {
    for (const auto& step : m_steps) {
        step->timer.stop();
        if (!step->done)
            step->Fail(QStringLiteral("never opened"));
    }
}

void ModalDriver::When(const QString& name, std::function<void(QWidget&)> act,
                       std::source_location queuedAt) {
    auto step = std::make_unique<Step>();
    step->name = name;
    step->act = std::move(act);
    step->queuedAt = queuedAt;
    step->timeoutMs = m_timeoutMs;
    step->deadline = QDeadlineTimer(m_timeoutMs);
    step->timer.setInterval(kPollMs);
    Step* raw = step.get();
    QObject::connect(&step->timer, &QTimer::timeout, [raw] { raw->Poll(); });
    step->timer.start();
    m_steps.push_back(std::move(step));
}

}  // namespace klv::test
