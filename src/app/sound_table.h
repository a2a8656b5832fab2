#pragma once

#include <array>
#include <string>

#include "base/profile.h"

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

struct SoundSetting {
    bool silent = false;
    std::string path;  // resolved: a bare stored name lies in the Graphics folder
};

using SoundTable = std::array<SoundSetting, kSoundEventCount>;

// Reads every event's file (Sounds) and silent flag (Silent).
SoundTable LoadSoundTable(const ProfileFile& ini, const std::string& graphicsDir);

}  // namespace klv
