#pragma once

#include <string>
#include <vector>

#include "base/sound_player.h"

namespace klv::test {

// Records every call as one line: "play PATH", "loop PATH", "stop", "beep".
class RecordingSoundPlayer final : public SoundPlayer {
public:
    bool Play(const std::string& path, bool loop) override {
        m_calls.push_back((loop ? "loop " : "play ") + path);
        return m_playable;
    }
    void Stop() override { m_calls.push_back("stop"); }
    void Beep() override { m_calls.push_back("beep"); }

    // A device that refuses every file.
    void SetPlayable(bool playable) { m_playable = playable; }
    const std::vector<std::string>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }

private:
    bool m_playable = true;
    std::vector<std::string> m_calls;
};

}  // namespace klv::test
