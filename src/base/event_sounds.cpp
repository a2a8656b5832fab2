#include "base/event_sounds.h"

#include <cstring>

#include "base/file_io.h"

namespace klv {
namespace {

// A file that can't be read or is no RIFF/WAVE file would play nothing at all, and the
// operator must still hear that the event happened.
bool IsWaveFile(const std::string& path) {
    char head[12];
    if (ReadFileAt(path, 0, head, sizeof head) != FileReadResult::Ok)
        return false;
    return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}

}  // namespace

void CEventSounds::PlayEventSound(int id) {
    for (std::size_t i = 0; i < kSoundEvents.size(); ++i) {
        if (kSoundEvents[i].id != id)
            continue;
        if (!m_table[i].silent)
            PlayOrBeep(m_table[i].path, kSoundEvents[i].repeat);
        return;
    }
}

void CEventSounds::StopEventSound() {
    m_player.Stop();
}

void CEventSounds::PlayFile(const std::string& path) {
    PlayOrBeep(path, false);
}

void CEventSounds::PlayOrBeep(const std::string& path, bool loop) {
    if (IsWaveFile(path) && m_player.Play(path, loop))
        return;
    m_player.Beep();
}

}  // namespace klv
