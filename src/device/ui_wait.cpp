#include "device/ui_wait.h"

#include <chrono>
#include <thread>

namespace klv {

void WaitPumping(Clock& clock, UiPump& pump, std::uint32_t ms, std::uint32_t stepMs) {
    std::uint32_t start = clock.TickMs();
    for (;;) {
        pump.ProcessPendingEvents();
        std::uint32_t elapsed = clock.TickMs() - start;
        if (elapsed >= ms)
            return;
        std::uint32_t rest = ms - elapsed;
        std::this_thread::sleep_for(std::chrono::milliseconds(rest < stepMs ? rest : stepMs));
    }
}

}  // namespace klv
