#include "support/ui/pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace klv::test {

PtyPair::PtyPair() {
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        return;
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    m_path = name;
}

PtyPair::~PtyPair() {
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

std::string PtyPair::Drain(int ms) {
    std::string data;
    pollfd p{m_master, POLLIN, 0};
    while (::poll(&p, 1, data.empty() ? ms : 50) > 0) {
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

void PtyPair::Fill() {
    ::fcntl(m_slave, F_SETFL, ::fcntl(m_slave, F_GETFL) | O_NONBLOCK);
    const std::string block(4096, 'x');
    // The kernel moves bytes on to the master a moment later: fill until a round takes none.
    for (bool took = true; took;) {
        took = false;
        while (::write(m_slave, block.data(), block.size()) > 0)
            took = true;
        ::usleep(20000);
    }
}

}  // namespace klv::test
