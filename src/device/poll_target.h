#pragma once

namespace klv {

inline constexpr int kPollingNotifyMessage = 0x7440;

// Receives the polling notification; called from the transport thread.
class PollTarget {
public:
    virtual ~PollTarget() = default;
    virtual void PostPollingNotify() = 0;
};

}  // namespace klv
