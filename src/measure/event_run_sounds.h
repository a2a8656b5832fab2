#pragma once

#include "base/event_sounds.h"
#include "measure/run_sounds.h"

namespace klv {

// A run's sounds from the program's event sound table.
class CEventRunSounds final : public RunSounds {
public:
    explicit CEventRunSounds(CEventSounds& sounds) : m_sounds(sounds) {}
    void PlayEventSound(RunSound sound) override {
        m_sounds.PlayEventSound(static_cast<int>(sound));
    }
    void StopEventSound() override { m_sounds.StopEventSound(); }

private:
    CEventSounds& m_sounds;
};

}  // namespace klv
