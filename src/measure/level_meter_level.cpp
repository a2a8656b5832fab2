#include "measure/level_meter_level.h"

#include <algorithm>

namespace klv {

int LevelFromReading(std::uint8_t reading) {
    const int a = reading;
    if (a >= 128)
        return std::min((a - 122) / 13, kLevelMeterTop);
    return std::max(-((134 - a) / 13), -kLevelMeterTop);
}

LevelMeterState LevelMeterFor(const PollingData& poll) {
    LevelMeterState s;
    if (!poll.status.IsRunning()) {
        if (poll.status.bEndReason() == kEndPlating)
            s.level = kLevelMeterTop;
        return s;
    }
    s.running = true;
    s.blinking = poll.status.IsBlanking();
    if (!s.blinking)
        s.level = LevelFromReading(poll.status.bAdc0804());
    return s;
}

}  // namespace klv
