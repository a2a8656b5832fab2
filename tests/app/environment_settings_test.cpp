#include "app/environment_settings.h"

#include <gtest/gtest.h>

#include "app/klv570_app.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

struct Started {
    explicit Started(const std::string& ini) {
        test::WriteTestFile(dir.File("KLV570.ini"), ini);
        EXPECT_TRUE(app.InitInstance({}));
    }
    ~Started() { app.ExitInstance(); }
    std::string Ini() const { return test::ReadTestFile(dir.File("KLV570.ini")); }

    test::TempDir dir;
    test::ScriptedOperator op;
    test::SettableClock clock;
    test::RecordingSoundPlayer player;
    CKLV570App app{dir.Path(), op, clock, player};
};

TEST(Environment, OnlyWhatChangedIsWrittenAndPathsCompareWithoutCase) {
    Started s("[Sounds]\r\nMeasStop=/mnt/Usb/Stop.wav\r\n");
    const std::string before = s.Ini();
    EnvironmentChoice c = CurrentEnvironment(s.app);
    EXPECT_EQ(c.shownFile[0], "Buzzer7.wav");
    EXPECT_EQ(c.shownFile[1], "/mnt/Usb/Stop.wav");
    c.shownFile[1] = "/mnt/usb/stop.WAV";
    ASSERT_TRUE(ApplyEnvironment(s.app, c));
    EXPECT_EQ(s.Ini(), before);

    c.makeSound[0] = false;
    c.makeSound[2] = false;
    c.shownFile[3] = s.dir.Path() + "Graphics/probe.wav";
    c.selectBySingleClick = !c.selectBySingleClick;
    const std::uint32_t flags = s.app.SystemFlags();
    ASSERT_TRUE(ApplyEnvironment(s.app, c));
    EXPECT_EQ(s.Ini(),
              "[Sounds]\r\nMeasStop=/mnt/Usb/Stop.wav\r\nProbeOpen=probe.wav\r\n\r\n"
              "[General]\r\nSystemFlags=1280\r\n\r\n[Silent]\r\nMeasEnd=1\r\nAutoStop=1\r\n");
    EXPECT_EQ(s.app.SystemFlags(), flags ^ 1u);
    EXPECT_TRUE(s.app.Sounds()[0].silent && s.app.Sounds()[2].silent);
    EXPECT_EQ(s.app.Sounds()[3].path, s.dir.Path() + "Graphics/probe.wav");
}

}  // namespace
}  // namespace klv
