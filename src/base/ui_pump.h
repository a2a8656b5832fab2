#pragma once

namespace klv {

// Lets the user-interface thread handle pending events while a command waits.
class UiPump {
public:
    virtual ~UiPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace klv
