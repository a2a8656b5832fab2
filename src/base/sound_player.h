#pragma once

#include <string>

namespace klv {

// The sound device: one wave file at a time, played asynchronously.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file, replacing whatever plays; `loop` repeats it until Stop. Never waits for
    // the device. False when the file can't be played at all.
    virtual bool Play(const std::string& path, bool loop) = 0;
    virtual void Stop() = 0;
    // The system's exclamation beep.
    virtual void Beep() = 0;
};

}  // namespace klv
