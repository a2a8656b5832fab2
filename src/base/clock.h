#pragma once

#include <cstdint>

namespace klv {

struct LocalTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 0 = Sunday
};

// Time as the program sees it; tests substitute a settable clock. Both threads call it (the
// transport thread times its transfers and dates its log lines), so an implementation must
// be safe to call from either at any time.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
    virtual std::uint32_t TickMs() = 0;
    virtual LocalTime Now() = 0;
};

// The real clock: steady clock for ticks, the local calendar time for dates.
class SystemClock final : public Clock {
public:
    std::uint32_t TickMs() override;
    LocalTime Now() override;
};

}  // namespace klv
