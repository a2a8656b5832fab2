#include "app/settings_keys.h"

#include <gtest/gtest.h>

#include "app/settings_access.h"
#include "app/sound_table.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

struct IntCase {
    ini::IntKey key;
    const char* section;
    const char* name;
    int def;
};

struct StringCase {
    ini::StringKey key;
    const char* section;
    const char* name;
    const char* def;
};

// The settings table as the operators' files know it.
const IntCase kIntTable[] = {
    {ini::kSystemFlags, "General", "SystemFlags", 1281},
    {ini::kPrinterName, "LinePrinter", "PrinterName", 1},
    {ini::kMeasDataPrint, "LinePrinter", "MeasDataPrint", 1},
    {ini::kPortNbr, "MeasDataSendParam", "PortNbr", 0},
    {ini::kSpeed, "MeasDataSendParam", "Speed", 9600},
    {ini::kParity, "MeasDataSendParam", "Parity", 0},
    {ini::kDataBit, "MeasDataSendParam", "DataBit", 0},
    {ini::kStopBit, "MeasDataSendParam", "StopBit", 0},
    {ini::kDelimitor, "MeasDataSendParam", "Delimitor", 0},
    {ini::kOutputData, "MeasureDataOut", "OutputData", 64},
    {ini::kOutDelimiter, "MeasureDataOut", "Delimiter", 0},
    {ini::kOutDateFormat, "MeasureDataOut", "DateFormat", 0},
    {ini::kToClipboard, "MeasureDataOut", "ToClipboard", 1},
    {ini::kReverseOutputTime, "ReverseCurrent", "OutputTime", 10},
    {ini::kFullScale, "PotentialGraph", "FullScale", 0},
    {ini::kSamplingTime, "PotentialGraph", "SamplingTime", 200},
    {ini::kGraphColor, "PotentialGraph", "crGraph", 0x008000},
    {ini::kCursorColor, "PotentialGraph", "crCursor", 0x800000},
    {ini::kSimpleStatDataCt, "SimpleStat", "DataCt", 100},
    {ini::kSimpleStatCol0Width, "SimpleStat", "Col0Width", 46},
    {ini::kSimpleStatCol1Width, "SimpleStat", "Col1Width", 269},
    {ini::kCorrectInterval, "Statistics", "CorrectInterval", 1},
    {ini::kPartDataCt, "Statistics", "PartDataCt", 1},
    {ini::kFontSize, "Measurement", "FontSize", 20},
    {ini::kFontColor, "Measurement", "FontColor", 0},
};

const StringCase kStringTable[] = {
    {ini::kCustomColors, "General", "CustomColors", ""},
    {ini::kToRS232C, "MeasDataSendParam", "ToRS232C", "0,64,1,0,0"},
    {ini::kToDDE, "MeasDataSendParam", "ToDDE", "1,64,0,0,0"},
    {ini::kPortName, "MeasDataSendParam", "PortName", ""},
    {ini::kOutFileName, "MeasureDataOut", "FileName", "MeasData.txt"},
    {ini::kReverseCurrentValue, "ReverseCurrent", "Current", "0.1"},
    {ini::kGraphFileName, "PotentialGraph", "FileName", "Potential.gra"},
    {ini::kMeasFileNbr, "Measurement", "MeasFileNbr", "0"},
};

TEST(SettingsTable, EveryKeyHasItsNameAndDefaultOnAnEmptyFile) {
    test::TempDir dir;
    ProfileFile empty(dir.File("KLV570.ini"));
    for (const auto& c : kIntTable) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.key.section, c.section);
        EXPECT_STREQ(c.key.key, c.name);
        EXPECT_EQ(ReadSetting(empty, c.key), c.def);
    }
    for (const auto& c : kStringTable) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.key.section, c.section);
        EXPECT_STREQ(c.key.key, c.name);
        EXPECT_EQ(ReadSetting(empty, c.key), c.def);
    }
}

TEST(SettingsTable, StoredValuesWinOverDefaultsWhateverTheLetterCase) {
    test::TempDir dir;
    std::string path = dir.File("KLV570.ini");
    test::WriteTestFile(path, "[linePRINTER]\nprintername=3\n[measurement]\nMEASFILENBR=1,7\n");
    ProfileFile ini(path);
    EXPECT_EQ(ReadSetting(ini, ini::kPrinterName), 3);
    EXPECT_EQ(ReadSetting(ini, ini::kMeasDataPrint), 1);
    EXPECT_EQ(ReadSetting(ini, ini::kMeasFileNbr), "1,7");
    ASSERT_TRUE(WriteSetting(ini, ini::kSpeed, 19200));
    EXPECT_EQ(ReadSetting(ini, ini::kSpeed), 19200);
}

TEST(SoundTable, BareNamesLieInTheGraphicsFolderAndSilentFlagsAreRead) {
    test::TempDir dir;
    std::string path = dir.File("KLV570.ini");
    test::WriteTestFile(path,
                        "[Sounds]\nMeasStop=/usr/share/sounds/stop.wav\n"
                        "[Silent]\nMeasError=1\n");
    ProfileFile ini(path);
    SoundTable t = LoadSoundTable(ini, "/data/Graphics/");
    EXPECT_EQ(t[0].path, "/data/Graphics/Buzzer7.wav");
    EXPECT_EQ(t[1].path, "/usr/share/sounds/stop.wav");
    EXPECT_TRUE(t[4].silent);
    EXPECT_FALSE(t[0].silent);
}

}  // namespace
}  // namespace klv
