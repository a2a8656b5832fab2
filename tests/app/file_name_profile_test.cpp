#include "app/file_name_profile.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

const std::string kGraphics = "/home/op/KLV570Data/Graphics/";

TEST(DeleteProgramPath, OnlyTheGraphicsFolderItselfIsStripped) {
    EXPECT_EQ(DeleteProgramPath(kGraphics + "Buzzer7.wav", kGraphics), "Buzzer7.wav");
    EXPECT_EQ(DeleteProgramPath("/home/op/klv570data/GRAPHICS/a.wav", kGraphics), "a.wav");
    EXPECT_EQ(DeleteProgramPath(kGraphics + "sub/a.wav", kGraphics), kGraphics + "sub/a.wav");
    EXPECT_EQ(DeleteProgramPath("/home/op/KLV570Data/a.wav", kGraphics),
              "/home/op/KLV570Data/a.wav");
    EXPECT_EQ(DeleteProgramPath("/mnt/usb/Graphics/a.wav", kGraphics), "/mnt/usb/Graphics/a.wav");
    EXPECT_EQ(DeleteProgramPath("a.wav", kGraphics), "a.wav");
}

TEST(FileNameProfile, BareNamesResolveIntoGraphicsAndRoundTrip) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "Sounds", "MeasEnd", "Buzzer7.wav"),
              kGraphics + "Buzzer7.wav");

    ASSERT_TRUE(SaveFileNameProfile(ini, kGraphics, "Sounds", "MeasEnd", kGraphics + "b.wav"));
    EXPECT_EQ(ini.GetProfileString("Sounds", "MeasEnd", ""), "b.wav");
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "Sounds", "MeasEnd", "x"), kGraphics + "b.wav");

    ASSERT_TRUE(SaveFileNameProfile(ini, kGraphics, "Sounds", "MeasEnd", "/mnt/usb/c.wav"));
    EXPECT_EQ(ini.GetProfileString("Sounds", "MeasEnd", ""), "/mnt/usb/c.wav");
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "Sounds", "MeasEnd", "x"), "/mnt/usb/c.wav");
}

TEST(FileNameProfile, OverlongNamesFallBackToTheResolvedDefault) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    // 260 characters fit, 261 do not.
    std::string fits = "/" + std::string(259, 'a');
    ASSERT_TRUE(ini.WriteProfileString("MeasureDataOut", "FileName", fits));
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "MeasureDataOut", "FileName", "MeasData.txt"),
              fits);
    ASSERT_TRUE(ini.WriteProfileString("MeasureDataOut", "FileName", fits + "a"));
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "MeasureDataOut", "FileName", "MeasData.txt"),
              kGraphics + "MeasData.txt");
    // A bare name that becomes too long once placed in the folder is refused too.
    std::string bare(260 - kGraphics.size() + 1, 'b');
    ASSERT_TRUE(ini.WriteProfileString("MeasureDataOut", "FileName", bare));
    EXPECT_EQ(LoadFileNameProfile(ini, kGraphics, "MeasureDataOut", "FileName", "MeasData.txt"),
              kGraphics + "MeasData.txt");
}

}  // namespace
}  // namespace klv
