#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QtTest>

#include "base/event_sounds.h"
#include "base/ui/qt_sound_player.h"
#include "support/temp_dir.h"
#include "support/test_wave.h"

namespace klv {

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAudioOutputEventSoundsBeep();
    void playsOnceOrLoopsUntilStopped();
    void aWaveFileThatFailsToLoadBeepsOnce();
    void theDefaultCheckAsksTheSystemsAudioOutput();

private:
    CQtSoundPlayer::Check Output(bool present) {
        return [present] { return present; };
    }
    CQtSoundPlayer::Action CountBeeps() {
        return [this] { ++m_beeps; };
    }

    test::TempDir m_dir;
    int m_beeps = 0;
};

void SoundPlayerTest::withoutAudioOutputEventSoundsBeep() {
    m_beeps = 0;
    std::string wav = m_dir.File("end.wav");
    test::WriteTestFile(wav, test::TestWaveBytes(800));
    CQtSoundPlayer player(Output(false), CountBeeps());
    CEventSounds sounds(player);
    sounds.Table()[0].path = wav;
    sounds.PlayEventSound(1);
    QCOMPARE(m_beeps, 1);
    QVERIFY(player.Effect().source().isEmpty());
}

void SoundPlayerTest::playsOnceOrLoopsUntilStopped() {
    m_beeps = 0;
    std::string wav = m_dir.File("auto stop.wav");
    test::WriteTestFile(wav, test::TestWaveBytes(8000));
    CQtSoundPlayer player(Output(true), CountBeeps());
    QVERIFY(player.Play(wav, false));
    QCOMPARE(player.Effect().source(), QUrl::fromLocalFile(QString::fromStdString(wav)));
    QCOMPARE(player.Effect().loopCount(), 1);
    QVERIFY(player.Play(wav, true));
    QCOMPARE(player.Effect().loopCount(), int(QSoundEffect::Infinite));
    QTRY_VERIFY(player.Effect().status() != QSoundEffect::Loading);
    player.Stop();
    QVERIFY(!player.Effect().isPlaying());
    QCOMPARE(m_beeps, 0);
}

void SoundPlayerTest::aWaveFileThatFailsToLoadBeepsOnce() {
    m_beeps = 0;
    std::string bad = m_dir.File("bad.wav");
    // The header passes the quick check; the format chunk is garbage.
    test::WriteTestFile(bad, "RIFF\x20\x20\x20\x20WAVEjunkjunkjunkjunkjunkjunk");
    CQtSoundPlayer player(Output(true), CountBeeps());
    CEventSounds sounds(player);
    sounds.Table()[1].path = bad;
    sounds.PlayEventSound(2);
    QTRY_COMPARE(player.Effect().status(), QSoundEffect::Error);
    QCOMPARE(m_beeps, 1);
    // The same file again keeps its failed load: refused at once, so one more beep.
    sounds.PlayEventSound(2);
    QCOMPARE(m_beeps, 2);
}

void SoundPlayerTest::theDefaultCheckAsksTheSystemsAudioOutput() {
    m_beeps = 0;
    std::string wav = m_dir.File("end.wav");
    test::WriteTestFile(wav, test::TestWaveBytes(80));
    CQtSoundPlayer player({}, CountBeeps());
    bool present = !QMediaDevices::defaultAudioOutput().isNull();
    QCOMPARE(player.Play(wav, false), present);
    player.Stop();
    player.Beep();
    QCOMPARE(m_beeps, 1);
}

}  // namespace klv

QTEST_MAIN(klv::SoundPlayerTest)
#include "sound_player_test.moc"
