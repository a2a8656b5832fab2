#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "base/ui_pump.h"
#include "device/busy_scope.h"
#include "device/poll_target.h"
#include "device/usb_msg_box.h"

namespace klv::test {

// Runs queued events, one batch per call, as the event loop would.
class QueuedPump final : public UiPump {
public:
    void Post(std::function<void()> event) { m_events.push_back(std::move(event)); }
    void ProcessPendingEvents() override {
        ++calls;
        std::deque<std::function<void()>> batch;
        batch.swap(m_events);
        for (auto& e : batch)
            e();
    }
    int calls = 0;

private:
    std::deque<std::function<void()>> m_events;
};

class CountingPollTarget final : public PollTarget {
public:
    void PostPollingNotify() override { posts.fetch_add(1); }
    std::atomic<int> posts{0};
};

class CountingBusyHost final : public BusyScopeHost {
public:
    void EnterBusy() override { ++enters; }
    void LeaveBusy() override { ++leaves; }
    int enters = 0;
    int leaves = 0;
};

// The error box on the scripted operator; `whileShown` stands for one event that the box's
// modal loop handles before the operator answers.
class ScriptedUsbBox final : public UsbMsgBoxView {
public:
    explicit ScriptedUsbBox(Operator& op) : m_box(op) {}
    int Run(const std::string& text, int boxType, const std::function<void()>& onShown,
            const std::function<void(int)>& onPressed) override {
        auto shown = [&] {
            onShown();
            if (auto event = std::exchange(whileShown, {}))
                event();
        };
        return m_box.Run(text, boxType, shown, onPressed);
    }
    std::function<void()> whileShown;

private:
    OperatorUsbMsgBox m_box;
};

}  // namespace klv::test
