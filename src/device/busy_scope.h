#pragma once

namespace klv {

// Keeps the operator out while a command is in flight (windows disabled, wait cursor).
class BusyScopeHost {
public:
    virtual ~BusyScopeHost() = default;
    virtual void EnterBusy() = 0;
    virtual void LeaveBusy() = 0;

private:
    friend class CBusyScope;
    int m_depth = 0;  // user-interface thread only
};

// Opens a busy scope unless one is already open; nested scopes pass through.
class CBusyScope {
public:
    // An inactive scope does nothing (simulated commands need none).
    explicit CBusyScope(BusyScopeHost& host, bool active = true) : m_host(host), m_active(active) {
        if (m_active && m_host.m_depth++ == 0)
            m_host.EnterBusy();
    }
    ~CBusyScope() {
        if (m_active && --m_host.m_depth == 0)
            m_host.LeaveBusy();
    }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

private:
    BusyScopeHost& m_host;
    bool m_active;
};

}  // namespace klv
