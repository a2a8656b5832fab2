#include "base/event_sounds.h"

#include <gtest/gtest.h>

#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "support/test_wave.h"

namespace klv {
namespace {

using Calls = std::vector<std::string>;

TEST(SoundEvents, SevenEventsInTheirFixedOrderAndOnlyAutoStopRepeats) {
    const char* keys[] = {"MeasEnd",   "MeasStop", "AutoStop", "ProbeOpen",
                          "MeasError", "CalError", "Error"};
    const char* files[] = {"Buzzer7.wav", "Buzzer6.wav", "Buzzer5.wav", "Buzzer2.wav",
                           "Buzzer3.wav", "Buzzer4.wav", "Buzzer9.wav"};
    for (int i = 0; i < kSoundEventCount; ++i) {
        EXPECT_EQ(kSoundEvents[i].id, i + 1);
        EXPECT_STREQ(kSoundEvents[i].key, keys[i]);
        EXPECT_STREQ(kSoundEvents[i].defaultFile, files[i]);
        EXPECT_EQ(kSoundEvents[i].repeat, i == 2);
    }
    EXPECT_STREQ(kSoundEvents[kSoundAutoStop - 1].key, "AutoStop");
    EXPECT_STREQ(kSoundEvents[kSoundError - 1].key, "Error");
}

class EventSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SoundTable table;
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i].path = m_dir.File(kSoundEvents[i].defaultFile);
            test::WriteTestFile(table[i].path, test::TestWaveBytes());
        }
        m_sounds.SetTable(table);
    }
    const std::string& Path(int id) const { return m_sounds.Table()[id - 1].path; }

    test::TempDir m_dir;
    test::RecordingSoundPlayer m_player;
    CEventSounds m_sounds{m_player};
};

TEST_F(EventSoundsTest, EveryEventPlaysItsFileOnceAndOnlyAutoStopRepeats) {
    for (int id = 1; id <= kSoundEventCount; ++id)
        m_sounds.PlayEventSound(id);
    Calls expected;
    for (int id = 1; id <= kSoundEventCount; ++id)
        expected.push_back((id == kSoundAutoStop ? "loop " : "play ") + Path(id));
    EXPECT_EQ(m_player.Calls(), expected);
}

TEST_F(EventSoundsTest, AutoStopKeepsPlayingUntilStopEventSound) {
    m_sounds.PlayEventSound(kSoundAutoStop);
    m_sounds.StopEventSound();
    EXPECT_EQ(m_player.Calls(), (Calls{"loop " + Path(3), "stop"}));
}

TEST_F(EventSoundsTest, SilentEventsAndUnknownIdsMakeNoSound) {
    m_sounds.Table()[kSoundMeasError - 1].silent = true;
    for (int id : {int{kSoundMeasError}, 0, 8, -1})
        m_sounds.PlayEventSound(id);
    EXPECT_TRUE(m_player.Calls().empty());
    m_sounds.PlayEventSound(kSoundCalError);
    EXPECT_EQ(m_player.Calls(), Calls{"play " + Path(6)});
}

TEST_F(EventSoundsTest, MissingShortOrForeignFilesBeepInsteadOfPlaying) {
    m_sounds.Table()[0].path = m_dir.File("gone.wav");
    test::WriteTestFile(Path(2), "RIFF\x24\x00");
    test::WriteTestFile(Path(3), "ID3 not a wave, mp3 frames");
    m_sounds.Table()[3].path = m_dir.Path();  // a folder, not a file
    m_sounds.Table()[4].path = "";
    for (int id = 1; id <= 5; ++id)
        m_sounds.PlayEventSound(id);
    EXPECT_EQ(m_player.Calls(), Calls(5, "beep"));
}

TEST_F(EventSoundsTest, AFileTheDeviceRefusesBeeps) {
    m_player.SetPlayable(false);
    m_sounds.PlayEventSound(kSoundProbeOpen);
    EXPECT_EQ(m_player.Calls(), (Calls{"play " + Path(4), "beep"}));
}

TEST_F(EventSoundsTest, PlayFilePlaysOnceWithTheSameFallbackAndBeepOnlyBeeps) {
    m_sounds.PlayFile(Path(kSoundAutoStop));
    m_sounds.PlayFile(m_dir.File("none.wav"));
    m_sounds.Beep();
    EXPECT_EQ(m_player.Calls(), (Calls{"play " + Path(3), "beep", "beep"}));
}

}  // namespace
}  // namespace klv
