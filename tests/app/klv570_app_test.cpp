#include "app/klv570_app.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "app/data_directory.h"
#include "app/messages.h"
#include "base/file_io.h"
#include "base/fixed_text.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/test_wave.h"

namespace klv {
namespace {

class AppTest : public ::testing::Test {
protected:
    std::string Data() const { return m_dir.Path() + "KLV570Data/"; }
    std::vector<std::string> Lines(const std::string& path) const {
        std::vector<std::string> lines;
        std::string text = test::ReadTestFile(path);
        for (std::size_t pos = 0, nl; (nl = text.find("\r\n", pos)) != std::string::npos;
             pos = nl + 2)
            lines.push_back(text.substr(pos, nl - pos));
        return lines;
    }

    test::TempDir m_dir;
    test::ScriptedOperator m_op;
    test::SettableClock m_clock;
    test::RecordingSoundPlayer m_player;
};

TEST_F(AppTest, FirstStartOnAnEmptyDiskBuildsTheTreeAndLogsTwoLines) {
    CKLV570App app(Data(), m_op, m_clock, m_player);
    std::vector<std::string> order;
    app.Hooks().runMainWindow = [&] {
        order.push_back(app.StartupPending() ? "pending" : "window");
    };
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(order, std::vector<std::string>{"window"});
    EXPECT_TRUE(m_op.Texts().empty());
    for (const char* d : {"", "Graphics", "KlvMeasF", "KlvMeasD"})
        EXPECT_TRUE(DirectoryExists(Data() + d)) << d;
    EXPECT_EQ(FileSize(Data() + "KLV570.dat"), 1536);
    CalibrationStore defaults = DefaultCalibrationStore();
    EXPECT_EQ(test::ReadTestFile(Data() + "KLV570.dat"),
              std::string(reinterpret_cast<const char*>(&defaults), sizeof defaults));
    EXPECT_EQ(
        Lines(Data() + "mylog.log"),
        (std::vector<std::string>{"Starting ... ", "2026/12/09,10:30:15.250,CKLV570 Start ..."}));
    EXPECT_FALSE(FileExists(Data() + "tester.dat"));
    app.ExitInstance();
    // No sender settings were made: there is nothing to write.
    EXPECT_FALSE(FileExists(Data() + "tester.dat"));
    ProfileFile ini(Data() + "KLV570.ini");
    EXPECT_EQ(ini.GetProfileInt("General", "SystemFlags", 0), 1281);
    EXPECT_EQ(ini.GetProfileString("PagePrinter", "PrinterFont", "").rfind("120,0,0,0,", 0), 0u);
    EXPECT_EQ(ini.GetProfileString("LinePrinter", "PrinterFont", "").rfind("140,0,0,0,", 0), 0u);
}

TEST_F(AppTest, SecondInstanceIsRefusedAndLeavesTheFirstUntouched) {
    CKLV570App first(Data(), m_op, m_clock, m_player);
    ASSERT_TRUE(first.InitInstance({}));
    test::WriteTestFile(Data() + "tester.dat", std::string(252, 'S'));
    {
        test::ScriptedOperator op2;
        CKLV570App second(Data(), op2, m_clock, m_player);
        bool windowRan = false;
        second.Hooks().runMainWindow = [&] { windowRan = true; };
        EXPECT_FALSE(second.InitInstance({}));
        EXPECT_FALSE(windowRan);
        ASSERT_EQ(op2.Texts(), std::vector<std::string>{"KLV-570 has already been functioning."});
        EXPECT_EQ(op2.Messages()[0].icon, MsgIcon::Stop);
        EXPECT_EQ(second.ExitInstance(), 1);
    }
    EXPECT_EQ(test::ReadTestFile(Data() + "tester.dat"), std::string(252, 'S'));
    EXPECT_FALSE(FileExists(Data() + "KLV570.ini"));
    // The running program's log was continued, not wiped.
    EXPECT_EQ(Lines(Data() + "mylog.log").size(), 4u);
    EXPECT_EQ(first.ExitInstance(), 0);
    CKLV570App third(Data(), m_op, m_clock, m_player);
    EXPECT_TRUE(third.InitInstance({}));
    EXPECT_EQ(third.ExitInstance(), 0);
}

TEST_F(AppTest, ShortCalibrationFileEndsStartUpWithoutWritingAnything) {
    MakeDirectoryTree(Data());
    test::WriteTestFile(Data() + "KLV570.dat", std::string(1535, '\x11'));
    test::WriteTestFile(Data() + "tester.dat", std::string(252, 'T'));
    CKLV570App app(Data(), m_op, m_clock, m_player);
    bool windowRan = false;
    app.Hooks().runMainWindow = [&] { windowRan = true; };
    EXPECT_FALSE(app.InitInstance({"-siml=1"}));
    EXPECT_FALSE(windowRan);
    EXPECT_EQ(m_op.Texts(),
              std::vector<std::string>{"Data can't be read, or some error in the data."});
    EXPECT_TRUE(app.StartupPending());
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_EQ(test::ReadTestFile(Data() + "KLV570.dat"), std::string(1535, '\x11'));
    EXPECT_EQ(test::ReadTestFile(Data() + "tester.dat"), std::string(252, 'T'));
    EXPECT_FALSE(FileExists(Data() + "KLV570.ini"));
}

TEST_F(AppTest, SettingsAndSwitchesAreReadAndTheWholeWordIsWrittenAtExit) {
    MakeDirectoryTree(Data());
    test::WriteTestFile(Data() + "KLV570.ini",
                        "[General]\nSystemFlags=197890\n[LinePrinter]\nPrinterName=2\n"
                        "PrinterFont=300,0,0,0,zz\n");
    test::WriteTestFile(Data() + "tester.dat", std::string(251, 'T'));
    CKLV570App app(Data(), m_op, m_clock, m_player);
    ASSERT_TRUE(app.InitInstance({"-SIML=1", "ignored"}));
    EXPECT_EQ(app.SystemFlags(), 0x10502u);
    EXPECT_EQ(app.PrinterName(), 2);
    EXPECT_EQ(app.LinePrinterFont().size, 140);
    EXPECT_EQ(app.Sounds()[0].path, Data() + "Graphics/Buzzer7.wav");
    EXPECT_EQ(app.Sender().szTitle[0], 0);  // a 251-byte file counts as absent
    EXPECT_EQ(app.Calibration().dwFlags & 0x500u, 0u);
    app.ExitInstance();
    ProfileFile ini(Data() + "KLV570.ini");
    EXPECT_EQ(ini.GetProfileInt("General", "SystemFlags", 0), 0x10502);
    EXPECT_EQ(ini.GetProfileInt("LinePrinter", "MeasDataPrint", 0), 1);
    EXPECT_EQ(test::ReadTestFile(Data() + "tester.dat"), std::string(251, 'T'));
}

TEST_F(AppTest, TheSenderBlockIsWrittenWhenChangedAndNeverOverAFileThatCannotBeRead) {
    MakeDirectoryTree(Data());
    const std::string sender = Data() + "tester.dat";
    {
        // A folder in its place: said once, and left there.
        ASSERT_TRUE(MakeDirectory(sender));
        CKLV570App app(Data(), m_op, m_clock, m_player);
        ASSERT_TRUE(app.InitInstance({}));
        EXPECT_EQ(m_op.Texts(), std::vector<std::string>{kMsgSenderUnreadable});
        SetFixedText(app.Sender().szTitle, "QC lab");
        app.ExitInstance();
        EXPECT_EQ(m_op.Texts().size(), 1u);
        EXPECT_TRUE(DirectoryExists(sender));
        ASSERT_TRUE(std::filesystem::remove(sender));
    }
    m_op.Clear();
    CKLV570App app(Data(), m_op, m_clock, m_player);
    ASSERT_TRUE(app.InitInstance({}));
    SetFixedText(app.Sender().szTitle, "QC lab");
    app.ExitInstance();
    EXPECT_TRUE(m_op.Texts().empty());
    std::string image = test::ReadTestFile(sender);
    ASSERT_EQ(image.size(), 252u);
    EXPECT_EQ(image.substr(0, 7), std::string("QC lab\0", 7));
}

TEST_F(AppTest, HooksRunInOrderAndTheirFailuresEndStartUp) {
    std::vector<std::string> calls;
    auto run = [&](const std::string& failing) {
        test::TempDir dir;
        test::ScriptedOperator op;
        CKLV570App app(dir.Path(), op, m_clock, m_player);
        calls.clear();
        auto step = [&](const std::string& name) {
            calls.push_back(name);
            return name != failing;
        };
        app.Hooks().checkRuntime = [&] {
            return step("runtime") ? std::string() : std::string("old runtime");
        };
        app.Hooks().createSharedResources = [&] { return step("resources"); };
        app.Hooks().createPotentialBuffer = [&] {
            // The channel scan and the switches come before the trace buffer.
            EXPECT_TRUE(DirectoryExists(dir.Path() + "KlvMeasF"));
            return step("potential");
        };
        app.Hooks().startDdeServer = [&] { return step("dde"); };
        app.Hooks().runMainWindow = [&] { step("window"); };
        app.Hooks().stopDdeServer = [&] { step("stop dde"); };
        app.Hooks().releaseResources = [&] { step("release"); };
        bool ok = app.InitInstance({});
        EXPECT_EQ(app.ExitInstance(), ok ? 0 : 1) << failing;
        return std::make_pair(ok, op.Texts());
    };
    auto [ok, texts] = run("");
    EXPECT_TRUE(ok);
    EXPECT_EQ(calls, (std::vector<std::string>{"runtime", "resources", "potential", "dde", "window",
                                               "stop dde", "release"}));
    std::tie(ok, texts) = run("runtime");
    EXPECT_FALSE(ok);
    EXPECT_EQ(texts, std::vector<std::string>{"old runtime"});
    EXPECT_EQ(calls, (std::vector<std::string>{"runtime", "release"}));
    std::tie(ok, texts) = run("potential");
    EXPECT_FALSE(ok);
    EXPECT_EQ(texts, std::vector<std::string>{"Short of memory"});
    EXPECT_EQ(calls, (std::vector<std::string>{"runtime", "resources", "potential", "release"}));
    std::tie(ok, texts) = run("dde");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(texts.empty());
}

TEST(DataDirectory, EnvironmentOrHome) {
    EXPECT_EQ(ResolveDataDirectory("/srv/klv", "/home/op"), "/srv/klv/");
    EXPECT_EQ(ResolveDataDirectory("/srv/klv/", "/home/op"), "/srv/klv/");
    EXPECT_EQ(ResolveDataDirectory("", "/home/op"), "/home/op/KLV570Data/");
    EXPECT_EQ(ResolveDataDirectory(nullptr, "/home/op/"), "/home/op/KLV570Data/");
    EXPECT_EQ(ResolveDataDirectory("data", "/home/op", "/srv"), "/srv/data/");
    EXPECT_EQ(ResolveDataDirectory(nullptr, "home", "/srv/"), "/srv/home/KLV570Data/");
    EXPECT_EQ(ResolveDataDirectory(nullptr, nullptr, "/srv"), "/KLV570Data/") << "no home";
    EXPECT_EQ(MakeLogFilePath("/d/"), "/d/mylog.log");
    std::string deep = "/" + std::string(300, 'x') + "/";
    EXPECT_EQ(MakeLogFilePath(deep), deep.substr(0, 250) + ".log");
}

TEST(DataDirectory, TreesAreMadeWithTheirParentsAndAFileInTheWayFails) {
    test::TempDir dir;
    EXPECT_FALSE(MakeDirectoryTree(""));
    EXPECT_TRUE(MakeDirectoryTree(dir.File("a/b/c")));
    EXPECT_TRUE(DirectoryExists(dir.File("a/b/c")));
    EXPECT_TRUE(MakeDirectoryTree(dir.File("a/b")));
    test::WriteTestFile(dir.File("file"), "x");
    EXPECT_FALSE(MakeDirectoryTree(dir.File("file/d")));
}

TEST(DataDirectory, TheProgramsOwnFolderEndsWithASlashAndHoldsTheProgram) {
    const std::string dir = ExecutableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(dir + program_invocation_short_name)) << dir;
}

TEST(DataDirectory, TheGuideBesideTheProgramComesBeforeTheInstalledOne) {
    test::TempDir dir;
    MakeDirectoryTree(dir.File("usr/bin"));
    const std::string bin = dir.File("usr/bin/");
    EXPECT_EQ(HelpFilePath(bin), dir.File("usr/share/doc/klv570/KLV570help.pdf"));
    test::WriteTestFile(bin + "KLV570help.pdf", "%PDF");
    EXPECT_EQ(HelpFilePath(bin), bin + "KLV570help.pdf");
}

TEST_F(AppTest, EventSoundsPlayTheTableReadAtStartUpAndAfterEachReload) {
    MakeDirectoryTree(Data() + "Graphics/");
    test::WriteTestFile(Data() + "Graphics/end.wav", test::TestWaveBytes(80));
    test::WriteTestFile(Data() + "KLV570.ini",
                        "[Sounds]\nMeasEnd=end.wav\n[Silent]\nMeasError=1\n");
    CKLV570App app(Data(), m_op, m_clock, m_player);
    ASSERT_TRUE(app.InitInstance({}));
    app.PlayEventSound(kSoundMeasError);
    app.PlayEventSound(kSoundMeasEnd);
    EXPECT_EQ(m_player.Calls(), std::vector<std::string>{"play " + Data() + "Graphics/end.wav"});

    m_player.Clear();
    app.Profile().WriteProfileInt("Silent", "MeasError", 0);
    app.LoadSounds();
    app.PlayEventSound(kSoundMeasError);
    ASSERT_TRUE(RemoveFile(Data() + "Graphics/Buzzer3.wav"));
    app.PlayEventSound(kSoundMeasError);
    app.StopEventSound();
    EXPECT_EQ(m_player.Calls(), (std::vector<std::string>{"play " + Data() + "Graphics/Buzzer3.wav",
                                                          "beep", "stop"}));
    app.ExitInstance();
}

TEST_F(AppTest, StartUpInstallsTheMissingDefaultSoundsAndKeepsTheOperatorsOwn) {
    MakeDirectoryTree(Data() + "Graphics/");
    const std::string own = test::TestWaveBytes(80);
    test::WriteTestFile(Data() + "Graphics/Buzzer5.wav", own);
    CKLV570App app(Data(), m_op, m_clock, m_player);
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(test::ReadTestFile(Data() + "Graphics/Buzzer5.wav"), own);
    std::vector<std::string> played;
    for (const SoundEvent& e : kSoundEvents) {
        app.PlayEventSound(e.id);
        played.push_back((e.repeat ? "loop " : "play ") + Data() + "Graphics/" + e.defaultFile);
    }
    EXPECT_EQ(m_player.Calls(), played);
    app.ExitInstance();
}

}  // namespace
}  // namespace klv
