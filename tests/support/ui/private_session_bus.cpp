#include "support/ui/private_session_bus.h"

#include <signal.h>

#include <QProcess>
#include <QTest>

namespace klv::test {

PrivateSessionBus::PrivateSessionBus() {
    QProcess daemon;
    daemon.start(
        QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--fork"), QStringLiteral("--nopidfile"),
         QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1")});
    if (!daemon.waitForFinished(10000) || daemon.exitStatus() != QProcess::NormalExit ||
        daemon.exitCode() != 0) {
        m_error = QStringLiteral("dbus-daemon could not be started (install the dbus package): ") +
                  daemon.errorString() + QString::fromLocal8Bit(daemon.readAllStandardError());
        return;
    }
    const QStringList lines =
        QString::fromLocal8Bit(daemon.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (lines.size() < 2) {
        m_error = QStringLiteral("dbus-daemon printed no address and pid");
        return;
    }
    m_address = lines[0].trimmed();
    m_pid = lines[1].trimmed().toLongLong();
}

PrivateSessionBus::~PrivateSessionBus() {
    if (m_pid > 0)
        ::kill(static_cast<pid_t>(m_pid), SIGTERM);
}

QString RunClient(const QString& program, const QStringList& args, bool* failed, QString* errors) {
    QProcess client;
    client.start(program, args);
    bool ok = client.waitForStarted(5000);
    // Waiting in the event loop, so that calls into this process are answered meanwhile.
    ok = ok && QTest::qWaitFor([&] { return client.state() == QProcess::NotRunning; }, 15000);
    ok = ok && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
    if (errors != nullptr)
        *errors = QString::fromLocal8Bit(client.readAllStandardError());
    if (failed != nullptr)
        *failed = !ok;
    if (!ok) {
        client.kill();
        client.waitForFinished(1000);
        return {};
    }
    return QString::fromUtf8(client.readAllStandardOutput());
}

}  // namespace klv::test
