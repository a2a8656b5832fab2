#pragma once

namespace klv {

// The event sounds of a measurement; the values are the sound event ids of the settings.
enum class RunSound : int {
    MeasEnd = 1,
    MeasStop = 2,
    AutoStop = 3,
    ProbeOpen = 4,
    MeasError = 5,
    CalError = 6
};

class RunSounds {
public:
    virtual ~RunSounds() = default;
    virtual void PlayEventSound(RunSound sound) = 0;
    virtual void StopEventSound() = 0;
};

}  // namespace klv
