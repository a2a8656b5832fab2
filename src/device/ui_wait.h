#pragma once

#include <cstdint>

#include "base/clock.h"
#include "base/ui_pump.h"

namespace klv {

// Waits `ms` on the user-interface thread while its events keep being handled.
void WaitPumping(Clock& clock, UiPump& pump, std::uint32_t ms, std::uint32_t stepMs = 1);

}  // namespace klv
