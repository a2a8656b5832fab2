#pragma once

#include "base/clock.h"

namespace klv::test {

// A clock that moves only when the test says so.
class SettableClock final : public Clock {
public:
    std::uint32_t TickMs() override { return m_tick; }
    LocalTime Now() override { return m_now; }

    void SetTick(std::uint32_t tick) { m_tick = tick; }
    void Advance(std::uint32_t ms) { m_tick += ms; }
    void SetNow(const LocalTime& now) { m_now = now; }
    void SetDate(int year, int month, int day) {
        m_now.year = year;
        m_now.month = month;
        m_now.day = day;
    }

private:
    std::uint32_t m_tick = 0;
    LocalTime m_now{2026, 12, 9, 10, 30, 15, 250, 3};
};

}  // namespace klv::test
