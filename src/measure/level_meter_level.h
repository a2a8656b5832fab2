#pragma once

#include <cstdint>

#include "device/device_status.h"

namespace klv {

inline constexpr int kLevelMeterTop = 6;

// What the level meter shows for one poll.
struct LevelMeterState {
    int level = 0;          // −6 … +6; cells from 0 to it are lit
    bool blinking = false;  // during the blanking time
    bool running = false;   // the meter's timers run
};

// The level of an ADC0804 reading outside the blanking time.
int LevelFromReading(std::uint8_t reading);
LevelMeterState LevelMeterFor(const PollingData& poll);

}  // namespace klv
