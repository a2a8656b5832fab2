#pragma once

#include <array>
#include <string>

namespace klv {

inline constexpr int kSoundEventCount = 7;

// One event sound: id, settings key (in Sounds and Silent), default file, played repeatedly.
struct SoundEvent {
    int id;
    const char* key;
    const char* defaultFile;
    bool repeat;
};

inline constexpr std::array<SoundEvent, kSoundEventCount> kSoundEvents{{
    {1, "MeasEnd", "Buzzer7.wav", false},
    {2, "MeasStop", "Buzzer6.wav", false},
    {3, "AutoStop", "Buzzer5.wav", true},
    {4, "ProbeOpen", "Buzzer2.wav", false},
    {5, "MeasError", "Buzzer3.wav", false},
    {6, "CalError", "Buzzer4.wav", false},
    {7, "Error", "Buzzer9.wav", false},
}};

// Event ids as the callers name them.
enum SoundEventId : int {
    kSoundMeasEnd = 1,
    kSoundMeasStop = 2,
    kSoundAutoStop = 3,
    kSoundProbeOpen = 4,
    kSoundMeasError = 5,
    kSoundCalError = 6,
    kSoundError = 7,
};

struct SoundSetting {
    bool silent = false;
    std::string path;  // resolved: a bare stored name lies in the Graphics folder
};

// Row i belongs to kSoundEvents[i].
using SoundTable = std::array<SoundSetting, kSoundEventCount>;

}  // namespace klv
