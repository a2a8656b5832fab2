#pragma once

#include <atomic>
#include <mutex>

#include "base/clock.h"

namespace klv::test {

// A clock that moves only when the test says so, or, with an automatic step, by that step at
// every reading (for waits of the program that would otherwise never end). Threads may read it.
class SettableClock final : public Clock {
public:
    std::uint32_t TickMs() override { return m_tick.fetch_add(m_step.load()); }
    LocalTime Now() override {
        std::lock_guard<std::mutex> guard(m_nowLock);
        return m_now;
    }

    std::uint32_t Tick() const { return m_tick.load(); }
    void SetTick(std::uint32_t tick) { m_tick.store(tick); }
    void Advance(std::uint32_t ms) { m_tick.fetch_add(ms); }
    void SetAutoStep(std::uint32_t ms) { m_step.store(ms); }
    void SetNow(const LocalTime& now) {
        std::lock_guard<std::mutex> guard(m_nowLock);
        m_now = now;
    }
    void SetDate(int year, int month, int day) {
        std::lock_guard<std::mutex> guard(m_nowLock);
        m_now.year = year;
        m_now.month = month;
        m_now.day = day;
    }

private:
    std::atomic<std::uint32_t> m_tick{0};
    std::atomic<std::uint32_t> m_step{0};
    std::mutex m_nowLock;
    LocalTime m_now{2026, 12, 9, 10, 30, 15, 250, 3};
};

}  // namespace klv::test
