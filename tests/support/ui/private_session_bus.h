#pragma once

#include <QString>
#include <QStringList>

namespace klv::test {

// A dbus-daemon of the test's own, stopped with the object. A missing dbus-daemon is an
// error of the test machine, told by Error(), never a reason to skip.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool IsRunning() const { return m_pid > 0; }
    const QString& Address() const { return m_address; }
    const QString& Error() const { return m_error; }

private:
    QString m_address;
    QString m_error;
    qint64 m_pid = 0;
};

// Runs a command line program to its end while the event loop keeps serving this process's
// objects; its standard output, or "" with `*failed` set when it did not end with 0.
QString RunClient(const QString& program, const QStringList& args, bool* failed = nullptr,
                  QString* errors = nullptr);

}  // namespace klv::test
