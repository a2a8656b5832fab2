#pragma once

#include <QObject>
#include <functional>

#include "base/sound_player.h"

class QSoundEffect;

namespace klv {

// Wave files through QSoundEffect. Without an audio output a sound effect claims to play
// forever and is never heard, so Play refuses then and the caller beeps instead.
class CQtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    using Check = std::function<bool()>;
    using Action = std::function<void()>;

    // `hasOutput` and `beep` default to the system's audio output and QApplication::beep.
    explicit CQtSoundPlayer(Check hasOutput = {}, Action beep = {}, QObject* parent = nullptr);

    bool Play(const std::string& path, bool loop) override;
    void Stop() override;
    void Beep() override;

    const QSoundEffect& Effect() const { return *m_effect; }

private:
    void OnStatusChanged();

    Check m_hasOutput;
    Action m_beep;
    QSoundEffect* m_effect;  // a child of this object
    // A file that turns out unreadable while loading beeps once for the Play that chose it.
    bool m_beepOnError = false;
};

}  // namespace klv
