#include "base/ui/qt_sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace klv {

CQtSoundPlayer::CQtSoundPlayer(Check hasOutput, Action beep, QObject* parent)
    : QObject(parent),
      m_hasOutput(std::move(hasOutput)),
      m_beep(std::move(beep)),
      m_effect(new QSoundEffect(this)) {
    if (!m_hasOutput)
        m_hasOutput = [] { return !QMediaDevices::defaultAudioOutput().isNull(); };
    if (!m_beep)
        m_beep = [] { QApplication::beep(); };
    connect(m_effect, &QSoundEffect::statusChanged, this, &CQtSoundPlayer::OnStatusChanged);
}

bool CQtSoundPlayer::Play(const std::string& path, bool loop) {
    m_effect->stop();
    m_beepOnError = false;
    if (!m_hasOutput())
        return false;
    m_effect->setSource(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
    // The same file again keeps its earlier load, and an earlier failure with it.
    if (m_effect->status() == QSoundEffect::Error)
        return false;
    m_effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    m_beepOnError = true;
    m_effect->play();
    return true;
}

void CQtSoundPlayer::Stop() {
    m_beepOnError = false;
    m_effect->stop();
}

void CQtSoundPlayer::Beep() {
    m_beep();
}

void CQtSoundPlayer::OnStatusChanged() {
    if (m_effect->status() != QSoundEffect::Error || !m_beepOnError)
        return;
    m_beepOnError = false;
    Beep();
}

}  // namespace klv
