#pragma once

#include <string>

namespace klv {

enum class InstanceLockResult { Acquired, AlreadyRunning, Failed };

// One running program per data directory: an exclusive lock on a file there. The system
// drops the lock with the process, so a lock left by a crashed program does not block.
class CInstanceLock {
public:
    CInstanceLock() = default;
    ~CInstanceLock() { Release(); }
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    InstanceLockResult Acquire(const std::string& dataDir);
    void Release();
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace klv
