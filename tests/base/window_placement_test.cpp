#include "base/window_placement.h"

#include <gtest/gtest.h>

#include "base/list_columns.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

const WindowRect kScreen{0, 0, 1280, 1024};

TEST(ClampWindowRect, KeepsTheWindowUsableAndOnTheScreen) {
    EXPECT_EQ(ClampWindowRect({-50, 10, 10, 10}, kScreen), (WindowRect{0, 10, 32, 32}));
    EXPECT_EQ(ClampWindowRect({1200, 1000, 200, 100}, kScreen), (WindowRect{1080, 924, 200, 100}));
    EXPECT_EQ(ClampWindowRect({5, 5, 3000, 2000}, kScreen), (WindowRect{0, 0, 1280, 1024}));
    EXPECT_EQ(ClampWindowRect({5, 5, 100, 100}, kScreen, WindowSize{400, 300}),
              (WindowRect{5, 5, 400, 300}));
    EXPECT_EQ(ClampWindowRect({0, 0, 100, 100}, WindowRect{100, 50, 800, 600}),
              (WindowRect{100, 50, 100, 100}));
}

TEST(ClampWindowRect, KeepsTheWholeFrameOnTheScreen) {
    const FrameMargins frame{4, 24, 4, 4};
    // The title bar stays below the screen's top, the borders inside its edges.
    EXPECT_EQ(ClampWindowRect({10, 5, 200, 100}, kScreen, std::nullopt, frame),
              (WindowRect{10, 24, 200, 100}));
    EXPECT_EQ(ClampWindowRect({1200, 1000, 200, 100}, kScreen, std::nullopt, frame),
              (WindowRect{1076, 920, 200, 100}));
    EXPECT_EQ(ClampWindowRect({0, 0, 3000, 2000}, kScreen, std::nullopt, frame),
              (WindowRect{4, 24, 1272, 996}));
}

TEST(WindowPlacement, AWindowComesBackOnTheScreenOfItsStoredPosition) {
    // The primary screen first; a second one to its right, a third above it.
    const WindowRect areas[] = {kScreen, {1280, 0, 1920, 1080}, {0, -900, 1600, 900}};
    EXPECT_EQ(ChooseScreenArea({1500, 100, 400, 300}, areas), areas[1]);
    EXPECT_EQ(ChooseScreenArea({100, -500, 400, 300}, areas), areas[2]);
    EXPECT_EQ(ChooseScreenArea({100, 100, 400, 300}, areas), areas[0]);
    // An origin off every screen: the one the window overlaps most, else the primary.
    EXPECT_EQ(ChooseScreenArea({1200, 1050, 400, 100}, areas), areas[1]);
    EXPECT_EQ(ChooseScreenArea({5000, 5000, 400, 300}, areas), areas[0]);
    // Most area wins, not the widest strip: 700 x 900 above against 700 x 50 below.
    EXPECT_EQ(ChooseScreenArea({-300, -950, 1000, 1000}, areas), areas[2]);

    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    ini.WriteProfileInt("Measurement", "WinLeft", 3000);
    ini.WriteProfileInt("Measurement", "WinTop", 10);
    const WindowPlacement p = ReadWindowPlacement(ini, "Measurement", {100, 120, 640, 480}, areas,
                                                  FrameMargins{4, 24, 4, 4}, true, false);
    EXPECT_EQ(p.normal, (WindowRect{2556, 24, 640, 480}));
}

TEST(WindowPlacement, ReadsWithCurrentDefaultsAndWritesBack) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    WindowRect current{100, 120, 640, 480};
    WindowPlacement p = ReadWindowPlacement(ini, "Measurement", current, kScreen, true, true);
    EXPECT_EQ(p.normal, current);
    EXPECT_EQ(p.minX, -1);
    EXPECT_EQ(p.showCmd, kShowNormal);

    ini.WriteProfileInt("Measurement", "WinLeft", -50);
    ini.WriteProfileInt("Measurement", "WinWidth", 10);
    ini.WriteProfileInt("Measurement", "WinShow", 3);
    p = ReadWindowPlacement(ini, "Measurement", current, kScreen, true, true);
    EXPECT_EQ(p.normal, (WindowRect{0, 120, 32, 480}));
    EXPECT_EQ(p.showCmd, kShowMaximized);
    // Without the size flag only the position is taken.
    p = ReadWindowPlacement(ini, "Measurement", current, kScreen, false, false);
    EXPECT_EQ(p.normal, (WindowRect{0, 120, 640, 480}));
    ini.WriteProfileInt("Measurement", "WinShow", 2);
    EXPECT_EQ(ReadWindowPlacement(ini, "Measurement", current, kScreen, true, true).showCmd,
              kShowNormal);

    WindowPlacement out;
    out.normal = {7, 8, 300, 200};
    out.showCmd = kShowMaximized;
    ASSERT_TRUE(WriteWindowPlacement(ini, "PotentialDlg", out, false, false));
    EXPECT_EQ(ini.GetProfileInt("PotentialDlg", "WinLeft", 0), 7);
    EXPECT_FALSE(ini.HasProfileKey("PotentialDlg", "WinWidth"));
    ASSERT_TRUE(WriteWindowPlacement(ini, "PotentialDlg", out, true, true));
    p = ReadWindowPlacement(ini, "PotentialDlg", current, kScreen, true, true);
    EXPECT_EQ(p.normal, out.normal);
    EXPECT_EQ(p.showCmd, kShowMaximized);
    EXPECT_EQ(ini.GetProfileInt("PotentialDlg", "WinMaxY", 0), -1);
}

TEST(WindowPlacement, AWriteThatCannotBeStoredIsReportedAndChangesNothing) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    ASSERT_TRUE(ini.WriteProfileInt("Other", "Key", 1));
    const std::string before = test::ReadTestFile(ini.Path());
    WindowPlacement out;
    out.normal = {7, 8, 300, 200};
    for (bool full : {false, true})
        EXPECT_FALSE(WriteWindowPlacement(ini, "Bad]Section", out, full, full));
    EXPECT_EQ(test::ReadTestFile(ini.Path()), before);
}

const ListColumn kColumns[] = {
    {"No.", ColumnAlign::Left, 40},  {"Name", ColumnAlign::Left, 120},
    {"L", ColumnAlign::Right, 30},   {"Data", ColumnAlign::Right, 60},
    {"Unit", ColumnAlign::Left, 50}, {"Gasket", ColumnAlign::Left, 70},
    {"A", ColumnAlign::Center, 80},  {"B", ColumnAlign::Center, 90},
};

TEST(ListColumns, AllStoredOrAllDefaultsAndClamped) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    std::vector<int> defaults{40, 120, 30, 60, 50, 70, 80, 90};
    EXPECT_EQ(ReadListColumnWidths(ini, "Measurement", kColumns), defaults);

    std::vector<int> stored{5000, 2, 33, 44, 55, 66, 77, 88};
    ASSERT_TRUE(WriteListColumnWidths(ini, "Measurement", stored));
    EXPECT_EQ(ini.GetProfileInt("Measurement", "ColWidth7", 0), 88);
    EXPECT_EQ(ReadListColumnWidths(ini, "Measurement", kColumns),
              (std::vector<int>{2000, 4, 33, 44, 55, 66, 77, 88}));

    ASSERT_TRUE(ini.DeleteProfileKey("Measurement", "ColWidth5"));
    EXPECT_EQ(ReadListColumnWidths(ini, "Measurement", kColumns), defaults);
    ASSERT_TRUE(ini.WriteProfileInt("Measurement", "ColWidth5", -1));
    EXPECT_EQ(ReadListColumnWidths(ini, "Measurement", kColumns), defaults);
}

}  // namespace
}  // namespace klv
