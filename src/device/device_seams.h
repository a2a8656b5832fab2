#pragma once

namespace klv {

// The private message number of the polling notification.
inline constexpr int kPollingNotifyMessage = 0x7440;

// Where the polling notification goes; called from the transport thread.
class PollTarget {
public:
    virtual ~PollTarget() = default;
    virtual void PostPollingNotify() = 0;
};

// Keeps the operator out while a command is in flight: the Qt side disables the program's
// windows and shows the wait cursor.
class BusyUi {
public:
    virtual ~BusyUi() = default;
    virtual void EnterBusy() = 0;
    virtual void LeaveBusy() = 0;
};

}  // namespace klv
