#pragma once

#include "base/sound_player.h"
#include "base/sound_table.h"

namespace klv {

// The event sounds every window plays: the table read from the settings and the device.
class CEventSounds {
public:
    explicit CEventSounds(SoundPlayer& player) : m_player(player) {}
    CEventSounds(const CEventSounds&) = delete;
    CEventSounds& operator=(const CEventSounds&) = delete;

    SoundTable& Table() { return m_table; }
    const SoundTable& Table() const { return m_table; }
    void SetTable(const SoundTable& table) { m_table = table; }

    // Nothing for an unknown id or a silent event; the exclamation beep when the file can't be
    // played; otherwise the file, repeated until StopEventSound for a repeating event.
    void PlayEventSound(int id);
    void StopEventSound();

    // Plays a file once (the settings dialog's test), with the same beep fallback.
    void PlayFile(const std::string& path);
    // The exclamation beep of warnings and refused clicks.
    void Beep() { m_player.Beep(); }
    SoundPlayer& Player() { return m_player; }

private:
    void PlayOrBeep(const std::string& path, bool loop);

    SoundPlayer& m_player;
    SoundTable m_table;
};

}  // namespace klv
