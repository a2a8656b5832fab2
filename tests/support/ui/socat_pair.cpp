#include "support/ui/socat_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace klv::test {

SocatPair::SocatPair() {
    Start();
}

SocatPair::~SocatPair() {
    Stop();
}

bool SocatPair::Start() {
    Stop();
    const auto end = [this](const char* name) {
        return QStringLiteral("pty,raw,echo=0,link=%1").arg(m_dir.filePath(name));
    };
    m_socat.start(QStringLiteral("socat"), {end("ttyA"), end("ttyB")});
    if (!m_socat.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        if (QFileInfo::exists(m_dir.filePath("ttyA")) && QFileInfo::exists(m_dir.filePath("ttyB")))
            return true;
        QThread::msleep(10);
    }
    return false;
}

void SocatPair::Stop() {
    if (m_socat.state() == QProcess::NotRunning)
        return;
    m_socat.terminate();
    if (!m_socat.waitForFinished(5000)) {
        m_socat.kill();
        m_socat.waitForFinished(5000);
    }
}

std::string SocatPair::Port() const {
    return m_dir.filePath("ttyA").toStdString();
}

std::string SocatPair::Peer() const {
    return m_dir.filePath("ttyB").toStdString();
}

std::string SocatPair::ReadPeer(int ms) const {
    const int fd = ::open(Peer().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::string data;
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, ms) > 0) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
        ms = 100;
    }
    ::close(fd);
    return data;
}

bool SocatPair::WritePeer(const std::string& bytes) const {
    const int fd = ::open(Peer().c_str(), O_WRONLY | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    ::close(fd);
    return written;
}

}  // namespace klv::test
