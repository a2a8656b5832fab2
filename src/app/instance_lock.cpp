#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "app/data_directory.h"

namespace klv {

InstanceLockResult CInstanceLock::Acquire(const std::string& dataDir) {
    Release();
    std::string path = dataDir + kInstanceLockFileName;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return InstanceLockResult::Failed;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? InstanceLockResult::AlreadyRunning : InstanceLockResult::Failed;
    }
    m_fd = fd;
    return InstanceLockResult::Acquired;
}

void CInstanceLock::Release() {
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

}  // namespace klv
