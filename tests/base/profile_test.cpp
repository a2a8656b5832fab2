#include "base/profile.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(ProfileFile, NamesMatchWithoutCaseAndUnknownLinesStay) {
    test::TempDir dir;
    std::string path = dir.File("KLV570.ini");
    test::WriteTestFile(path,
                        "; kept\r\n[general]\r\nsystemflags=7\r\nOther=x\r\n\r\n[Foo]\r\nA=1\r\n");
    ProfileFile ini(path);
    EXPECT_EQ(ini.GetProfileInt("General", "SystemFlags", 1281), 7);
    ASSERT_TRUE(ini.WriteProfileInt("GENERAL", "SYSTEMFLAGS", 1281));
    ASSERT_TRUE(ini.WriteProfileString("General", "CustomColors", "1,2"));
    EXPECT_EQ(test::ReadTestFile(path),
              "; kept\r\n[general]\r\nsystemflags=1281\r\nOther=x\r\nCustomColors=1,2\r\n\r\n"
              "[Foo]\r\nA=1\r\n");
}

TEST(ProfileFile, DefaultsApplyOnEveryReadAndStringsStayStrings) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    EXPECT_EQ(ini.GetProfileInt("Measurement", "ColWidth0", -1), -1);
    EXPECT_EQ(ini.GetProfileString("Measurement", "MeasFileNbr", "0"), "0");
    ASSERT_TRUE(ini.WriteProfileString("Measurement", "MeasFileNbr", "1,3"));
    EXPECT_EQ(ini.GetProfileString("measurement", "measfilenbr", "0"), "1,3");
    EXPECT_EQ(ini.GetProfileInt("Measurement", "MeasFileNbr", 9), 1);
    ASSERT_TRUE(ini.DeleteProfileKey("Measurement", "MeasFileNbr"));
    EXPECT_EQ(ini.GetProfileString("Measurement", "MeasFileNbr", "0"), "0");
    ASSERT_TRUE(ini.WriteProfileInt("Measurement", "WinLeft", -50));
    EXPECT_EQ(ini.GetProfileInt("Measurement", "WinLeft", 0), -50);
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

TEST(ProfileFile, EveryWriteIsOnDiskAtOnce) {
    test::TempDir dir;
    std::string path = dir.File("KLV570.ini");
    ProfileFile writer(path);
    ASSERT_TRUE(writer.WriteProfileInt("Sounds", "MeasEnd", 1));
    EXPECT_EQ(test::ReadTestFile(path), "[Sounds]\r\nMeasEnd=1\r\n");
    // Another reader sees each change at once: nothing is cached on either side.
    ProfileFile reader(path);
    EXPECT_EQ(reader.GetProfileInt("Sounds", "MeasEnd", 0), 1);
    test::WriteTestFile(path, "[Sounds]\nMeasEnd=5\n");
    EXPECT_EQ(reader.GetProfileInt("Sounds", "MeasEnd", 0), 5);
    ASSERT_TRUE(writer.WriteProfileString("Sounds", "MeasStop", "a b.wav"));
    EXPECT_EQ(test::ReadTestFile(path), "[Sounds]\nMeasEnd=5\nMeasStop=a b.wav\n");
}

TEST(ProfileFile, WritesThatWouldCorruptTheFileAreRefused) {
    test::TempDir dir;
    std::string path = dir.File("KLV570.ini");
    test::WriteTestFile(path, "[General]\r\nSystemFlags=1\r\n");
    ProfileFile ini(path);
    EXPECT_FALSE(ini.WriteProfileString("General", "CustomColors", "1\r\n[Evil]\r\nX=1"));
    EXPECT_FALSE(ini.WriteProfileString("Gen]eral", "A", "1"));
    EXPECT_FALSE(ini.WriteProfileString("General", "A=B", "1"));
    EXPECT_FALSE(ini.WriteProfileString("", "A", "1"));
    EXPECT_EQ(test::ReadTestFile(path), "[General]\r\nSystemFlags=1\r\n");

    // A settings path that is a folder is not replaced by a one-key file.
    ProfileFile folder(dir.Path());
    EXPECT_FALSE(folder.WriteProfileInt("General", "SystemFlags", 1));
    EXPECT_FALSE(folder.DeleteProfileKey("General", "SystemFlags"));
    EXPECT_EQ(folder.GetProfileInt("General", "SystemFlags", 1281), 1281);
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

// The same writes, once key by key and once in a batch, give the same file.
void WriteStep(ProfileFile& ini) {
    ini.WriteProfileInt("Measurement", "WinLeft", 12);
    ini.WriteProfileInt("measurement", "WINLEFT", -3);
    ini.WriteProfileString("Sounds", "MeasEnd", "Buzzer7.wav");
    ini.DeleteProfileKey("General", "Obsolete");
    ini.WriteProfileInt("General", "SystemFlags", 1281);
}

TEST(ProfileBatch, OneRewriteLandsEveryKeyAndKeepsOtherWritersKeys) {
    test::TempDir dir;
    const std::string seed = "; kept\r\n[General]\r\nObsolete=1\r\nSystemFlags=5\r\n";
    std::string single = dir.File("single.ini"), batched = dir.File("batched.ini");
    test::WriteTestFile(single, seed + "\r\n[Other]\r\nKept=9\r\n");
    test::WriteTestFile(batched, seed);
    ProfileFile keyByKey(single);
    WriteStep(keyByKey);

    ProfileFile ini(batched);
    {
        ProfileBatch batch(ini);
        WriteStep(ini);
        EXPECT_EQ(test::ReadTestFile(batched), seed);
        EXPECT_EQ(ini.GetProfileInt("Measurement", "WinLeft", 0), -3);
        EXPECT_FALSE(ini.HasProfileKey("General", "Obsolete"));
        EXPECT_FALSE(ini.WriteProfileString("General", "A", "1\r\n[Evil]"));
        // Another writer during the batch: its key must not be lost by the rewrite.
        ProfileFile other(batched);
        ASSERT_TRUE(other.WriteProfileInt("Other", "Kept", 9));
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(test::ReadTestFile(batched), test::ReadTestFile(single));
}

TEST(ProfileBatch, AFailedRewriteLosesNothingStored) {
    test::TempDir dir;
    // The temporary file's name gets too long for the folder, so only the rewrite fails.
    std::string path = dir.File(std::string(246, 'k') + ".ini");
    const std::string stored = "[General]\r\nSystemFlags=7\r\n";
    test::WriteTestFile(path, stored);
    ProfileFile ini(path);
    EXPECT_FALSE(ini.WriteProfileInt("General", "SystemFlags", 1));
    ProfileBatch batch(ini);
    WriteStep(ini);
    EXPECT_FALSE(batch.Commit());
    EXPECT_EQ(test::ReadTestFile(path), stored);
    EXPECT_EQ(ini.GetProfileInt("General", "SystemFlags", 0), 7);
}

}  // namespace
}  // namespace klv
