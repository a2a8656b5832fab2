#include <gtest/gtest.h>

#include <cstring>

#include "app/publish_statistics.h"
#include "app/send_param_profile.h"
#include "app/text_output_profile.h"
#include "output/output_fakes.h"
#include "stats/stat_items.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(SendParamProfile, MissingKeysGiveTheDefaultsAndEveryKeyIsWrittenBack) {
    test::TempDir dir;
    test::WriteTestFile(dir.File("KLV570.ini"),
                        "[MeasDataSendParam]\nSpeed=600\nToRS232C=1,33\nToDDE=0\n"
                        "PortName=/tmp/ttyA\n");
    ProfileFile ini(dir.File("KLV570.ini"));
    MeasDataSendParam p = LoadMeasDataSendParam(ini);
    EXPECT_EQ(p.speed, 600);
    EXPECT_EQ(p.portName, "/tmp/ttyA");
    EXPECT_TRUE(p.rs232c.enabled);
    EXPECT_EQ(p.rs232c.format.items, 33u);
    EXPECT_EQ(p.rs232c.format.delimiter, 1);
    EXPECT_FALSE(p.dde.enabled);
    EXPECT_EQ(p.dde.format.items, 64u);
    EXPECT_EQ(p.dde.format.delimiter, 0);

    p.delimitor = 2;
    p.stopBit = 1;
    SaveMeasDataSendParam(ini, p);
    for (const char* key : {"PortNbr", "Parity", "DataBit"})
        EXPECT_TRUE(ini.HasProfileKey("MeasDataSendParam", key)) << key;
    EXPECT_EQ(ini.GetProfileString("MeasDataSendParam", "ToRS232C", ""), "1,33,1,0,0");
    EXPECT_EQ(ini.GetProfileString("MeasDataSendParam", "ToDDE", ""), "0,64,0,0,0");
    const MeasDataSendParam again = LoadMeasDataSendParam(ini);
    EXPECT_EQ(again.delimitor, 2);
    EXPECT_EQ(again.stopBit, 1);
    EXPECT_EQ(again.portName, "/tmp/ttyA");
}

TEST(PublishStatistics, EverySlotReachesItsItemAndEveryItemIsNotified) {
    test::RecordingPubSubServer server;
    test::ScriptedOperator op;
    CDdeServer dde(server, op);
    ASSERT_TRUE(dde.StartDdeServer());
    StatisticsTextBlock block{};
    std::strcpy(block.szBase, "Fe");
    std::strcpy(block.szUnit, "um");
    std::strcpy(block.szDataCt, "12");
    std::strcpy(block.szCoat[1], "Cu");
    std::strcpy(block.szTotal[4], "T5");
    std::strcpy(block.szMaximum[0], "MAX1");
    std::strcpy(block.szMinimum[1], "MIN2");
    std::strcpy(block.szAverage[2], "AV3");
    std::strcpy(block.szRange[3], "R4");
    std::strcpy(block.szStdDev[0], "SD1");
    std::strcpy(block.sz3SigmaLow[0], "L1");
    std::strcpy(block.sz3SigmaHigh[1], "H2");
    std::strcpy(block.szUpperLimit[2], "UL3");
    std::strcpy(block.szLowerLimit[3], "LL4");
    PublishStatistics(dde, &block);
    const std::pair<const char*, const char*> expected[] = {
        {"BASE", "Fe"},     {"UNIT", "um"},     {"DATACT", "12"},   {"COAT2", "Cu"},
        {"TOTAL5", "T5"},   {"MAX", "MAX1"},    {"MIN2", "MIN2"},   {"AVERAGE3", "AV3"},
        {"RANGE4", "R4"},   {"STDEV", "SD1"},   {"L3SIGMA1", "L1"}, {"H3SIGMA2", "H2"},
        {"HLIMIT3", "UL3"}, {"LLIMIT4", "LL4"}, {"COAT1", " "},     {"MAX2", " "},
    };
    for (const auto& [item, text] : expected)
        EXPECT_EQ(*dde.Request(DdeTopic::Stat, item), text) << item;
    EXPECT_EQ(server.notices.size(), dde.Items(DdeTopic::Stat).size());
    // The service lists exactly the items the statistics fill, in their order.
    std::vector<std::string> names;
    for (const StatItem& item : ListStatItems(block))
        names.push_back(item.name);
    EXPECT_EQ(dde.Items(DdeTopic::Stat), names);

    // Without a block the texts stay and are told again.
    server.notices.clear();
    PublishStatistics(dde, nullptr);
    EXPECT_EQ(*dde.Request(DdeTopic::Stat, "AVERAGE3"), "AV3");
    EXPECT_EQ(server.notices.size(), dde.Items(DdeTopic::Stat).size());
}

TEST(TextOutputProfile, DefaultsResolveIntoGraphicsAndAFileThereIsStoredBare) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    TextOutputSettings s = LoadTextOutputSettings(ini, "/data/Graphics/");
    EXPECT_EQ(s.items, 64u);
    EXPECT_EQ(s.delimiter, 0);
    EXPECT_TRUE(s.toClipboard);
    EXPECT_EQ(s.filePath, "/data/Graphics/MeasData.txt");
    s = {kItemDataNumber | kItemUnit, 2, 5, false, "/data/Graphics/Out.txt"};
    SaveTextOutputSettings(ini, "/data/Graphics/", s);
    EXPECT_EQ(ini.GetProfileString("MeasureDataOut", "FileName", ""), "Out.txt");
    EXPECT_EQ(ini.GetProfileInt("MeasureDataOut", "ToClipboard", 9), 0);
    const TextOutputSettings back = LoadTextOutputSettings(ini, "/data/Graphics/");
    EXPECT_EQ(back.items, kItemDataNumber | kItemUnit);
    EXPECT_EQ(back.delimiter, 2);
    EXPECT_EQ(back.dateFormat, 5);
    EXPECT_FALSE(back.toClipboard);
    EXPECT_EQ(back.filePath, "/data/Graphics/Out.txt");
    // Other settings readers take the clipboard flag as exactly 1.
    s.toClipboard = true;
    SaveTextOutputSettings(ini, "/data/Graphics/", s);
    EXPECT_EQ(ini.GetProfileInt("MeasureDataOut", "ToClipboard", 9), 1);
    EXPECT_TRUE(LoadTextOutputSettings(ini, "/data/Graphics/").toClipboard);
}

}  // namespace
}  // namespace klv
