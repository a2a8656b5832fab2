#include "output/dde_server.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "output/output_fakes.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

const LineFormat kTabValues{kItemMeasValue, 0, 0, false};
const LocalTime kNow{2026, 12, 10, 9, 5, 7, 0, 4};

class DdeServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dde.StartDdeServer()); }

    std::string Meas(const std::string& item) const {
        return dde.Request(DdeTopic::Meas, item).value_or("<unknown>");
    }
    void Measure(std::uint32_t number, float first = 3.51f) {
        const MsrLogRecord r[] = {Measured(first), Measured(0.82f)};
        dde.UpdateMeasurement(twoLayers, r, number, kTabValues, kNow);
    }

    test::RecordingPubSubServer server;
    test::ScriptedOperator op;
    CDdeServer dde{server, op};
    MeasFileData twoLayers = Condition(
        {Layer(kCoatNickel, "Ni", test::kRange4_10), Layer(kCoatCopper, "Cu", test::kRange4_10)});
};

TEST_F(DdeServerTest, SystemItemsListTheTopicsItemsAndFormat) {
    EXPECT_EQ(*dde.Request(DdeTopic::System, "Topics"), "System\tMEAS\tSTAT\tCommand");
    EXPECT_EQ(*dde.Request(DdeTopic::System, "SysItems"), "Topics\tSysItems\tFormats");
    EXPECT_EQ(*dde.Request(DdeTopic::System, "formats"), "TEXT");
    EXPECT_EQ(dde.Items(DdeTopic::System),
              (std::vector<std::string>{"Topics", "SysItems", "Formats"}));
    EXPECT_FALSE(dde.Request(DdeTopic::System, "RESULT"));
    EXPECT_TRUE(dde.Items(DdeTopic::Command).empty());
}

TEST_F(DdeServerTest, ItemListsFollowTheServiceOrder) {
    const std::vector<std::string>& meas = dde.Items(DdeTopic::Meas);
    ASSERT_EQ(meas.size(), 15u + 9u + 100u * 9u);
    const std::vector<std::string> head(meas.begin(), meas.begin() + 24);
    EXPECT_EQ(head, (std::vector<std::string>{"BASE",    "UNIT",    "COAT",    "COAT1",   "COAT2",
                                              "COAT3",   "COAT4",   "COAT5",   "RES",     "RES1",
                                              "RES2",    "RES3",    "RES4",    "RES5",    "RESULT",
                                              "No",      "No.RES",  "No.RES1", "No.RES2", "No.RES3",
                                              "No.RES4", "No.RES5", "No.DAY",  "No.TIME"}));
    EXPECT_EQ(meas[24], "No0");
    EXPECT_EQ(meas.back(), "No99.TIME");
    const std::vector<std::string>& stat = dde.Items(DdeTopic::Stat);
    ASSERT_EQ(stat.size(), 3u + 11u * 6u);
    EXPECT_EQ(std::vector<std::string>(stat.begin(), stat.begin() + 5),
              (std::vector<std::string>{"DATACT", "BASE", "UNIT", "COAT", "COAT1"}));
    EXPECT_EQ(stat[9], "TOTAL");
    EXPECT_EQ(stat.back(), "LLIMIT5");
}

TEST_F(DdeServerTest, AMeasurementFillsTheCurrentItemsAndTheFirstHistoryEntry) {
    Measure(12);
    EXPECT_EQ(Meas("RESULT"), "3.51\t0.82");
    EXPECT_EQ(Meas("BASE"), "Fe");
    EXPECT_EQ(Meas("UNIT"), "um");
    EXPECT_EQ(Meas("COAT"), "Ni");
    EXPECT_EQ(Meas("coat2"), "Cu");
    EXPECT_EQ(Meas("RES"), "3.51");
    EXPECT_EQ(Meas("RES2"), "0.82");
    EXPECT_EQ(Meas("No"), "12");
    EXPECT_EQ(Meas("No0"), "12");
    EXPECT_EQ(Meas("No.RES2"), "0.82");
    EXPECT_EQ(Meas("No0.RES"), "3.51");
    EXPECT_EQ(Meas("No.DAY"), "2026/12/10");
    EXPECT_EQ(Meas("No.TIME"), "09:05:06");
    // Empty items are sent as one blank.
    EXPECT_EQ(Meas("COAT3"), " ");
    EXPECT_EQ(Meas("No1"), " ");
    EXPECT_EQ(Meas("No100"), "<unknown>");
}

TEST_F(DdeServerTest, AnAlloyLayerIsSkippedAndTheRestStayEmpty) {
    const MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    const MsrLogRecord r[] = {Measured(2.0f), Measured(1.0f), test::NoValue()};
    Measure(1);
    dde.UpdateMeasurement(d, r, 2, kTabValues, kNow);
    EXPECT_EQ(Meas("COAT1"), "Sn");
    EXPECT_EQ(Meas("RES1"), "2.0");
    EXPECT_EQ(Meas("COAT2"), "Cu");
    EXPECT_EQ(Meas("RES2"), "0");
    for (const char* item : {"COAT3", "COAT4", "COAT5", "RES3", "RES5"})
        EXPECT_EQ(Meas(item), " ") << item;

    // A buffer longer than the condition's layers: only the layers count.
    const MsrLogRecord five[] = {Measured(1.0f), Measured(2.0f), Measured(3.0f), Measured(4.0f),
                                 Measured(5.0f)};
    const MeasFileData two = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
    dde.UpdateMeasurement(two, five, 3, kTabValues, kNow);
    EXPECT_EQ(Meas("RES2"), "2.0");
    EXPECT_EQ(Meas("RES3"), " ");
    EXPECT_EQ(Meas("COAT3"), " ");
}

TEST_F(DdeServerTest, NotificationsGoToTheCurrentGroupAndToNoButNotNo0) {
    Measure(1);
    const std::vector<std::string> first = server.NoticedItems();
    ASSERT_EQ(first.size(), 15u + 9u);
    EXPECT_EQ(first.front(), "BASE");
    EXPECT_EQ(first[14], "RESULT");
    EXPECT_EQ(first[15], "No");
    EXPECT_EQ(first.back(), "No.TIME");
    EXPECT_EQ(server.notices[17].text, "3.51");  // No.RES1
    server.notices.clear();
    Measure(2);
    const std::vector<std::string> second = server.NoticedItems();
    ASSERT_EQ(second.size(), 15u + 9u);
    EXPECT_EQ(second[15], "No1");
    EXPECT_EQ(second[16], "No1.RES");
    EXPECT_EQ(second.back(), "No1.TIME");
}

TEST_F(DdeServerTest, The101stMeasurementUpdatesOnlyTheCurrentItemsUntilAChannelSelection) {
    for (std::uint32_t i = 1; i <= 100; ++i)
        Measure(i);
    EXPECT_EQ(Meas("No99"), "100");
    server.notices.clear();
    Measure(101, 9.99f);
    EXPECT_EQ(Meas("RES1"), "9.99");
    EXPECT_EQ(Meas("No99"), "100");
    EXPECT_EQ(Meas("No"), "1");
    EXPECT_EQ(server.notices.size(), 15u);
    EXPECT_EQ(dde.HistoryCount(), 100);

    dde.ResetDdeHistory();
    EXPECT_EQ(Meas("RES1"), " ");
    EXPECT_EQ(Meas("No99"), " ");
    Measure(102);
    EXPECT_EQ(Meas("No"), "102");
    EXPECT_EQ(Meas("No1"), " ");
}

TEST_F(DdeServerTest, TextsAreCutToTheirBuffers) {
    MeasFileData d = twoLayers;
    SetFixedText(d.baseName, "Fe");
    const MsrLogRecord r[] = {Measured(3.51f), Measured(0.82f)};
    const LineFormat everything{kItemDataNumber | kItemMeasDate | kItemCoatingName | kItemMeasValue,
                                0, 0, true};
    dde.UpdateMeasurement(d, r, 4000000000u, everything, kNow);
    EXPECT_EQ(Meas("No"), "4000000000");
    ASSERT_TRUE(dde.SetStatisticsText("TOTAL2", std::string(100, 'x')));
    EXPECT_EQ(dde.Request(DdeTopic::Stat, "TOTAL2")->size(), 63u);
    ASSERT_TRUE(dde.SetStatisticsText("MAX", std::string(100, 'y')));
    EXPECT_EQ(dde.Request(DdeTopic::Stat, "MAX1")->size(), 31u);
    ASSERT_TRUE(dde.SetStatisticsText("DATACT", std::string(100, 'z')));
    EXPECT_EQ(dde.Request(DdeTopic::Stat, "DATACT")->size(), 15u);
    EXPECT_FALSE(dde.SetStatisticsText("MAX6", "1"));
}

TEST_F(DdeServerTest, HistoryDayFollowsTheDateFormatOfTheLine) {
    const MsrLogRecord r[] = {Measured(1.0f), Measured(1.0f)};
    dde.UpdateMeasurement(twoLayers, r, 1, {kItemMeasValue, 1, 2, false}, kNow);
    EXPECT_EQ(Meas("No.DAY"), "10/12/2026");
    dde.UpdateMeasurement(twoLayers, r, 2, {kItemMeasValue, 1, 7, false}, kNow);
    EXPECT_EQ(Meas("No1.DAY"), " ");
}

TEST_F(DdeServerTest, StatisticsAreNotifiedWholeAndDigitlessItemsReadLayerOne) {
    ASSERT_TRUE(dde.SetStatisticsText("AVERAGE1", "3.456"));
    ASSERT_TRUE(dde.SetStatisticsText("AVERAGE2", "0.812"));
    dde.NotifyStatistics();
    EXPECT_EQ(server.notices.size(), dde.Items(DdeTopic::Stat).size());
    EXPECT_EQ(*dde.Request(DdeTopic::Stat, "AVERAGE"), "3.456");
    EXPECT_EQ(*dde.Request(DdeTopic::Stat, "average2"), "0.812");
}

TEST_F(DdeServerTest, PokeAndExecuteAreRefusedAndBusyIsTold) {
    EXPECT_EQ(dde.Poke(DdeTopic::Meas, "RESULT", "1"), DdeAnswer::NotProcessed);
    EXPECT_EQ(dde.Execute(DdeTopic::Command, "START"), DdeAnswer::NotProcessed);
    dde.SetBusy(true);
    EXPECT_EQ(dde.Execute(DdeTopic::Command, "START"), DdeAnswer::Busy);
    EXPECT_EQ(dde.Execute(DdeTopic::Meas, "START"), DdeAnswer::NotProcessed);
}

TEST(DdeServer, ARefusedStartIsToldOnceAndPublishesNothing) {
    test::RecordingPubSubServer server;
    server.refusal = "taken";
    test::ScriptedOperator op;
    CDdeServer dde(server, op);
    EXPECT_FALSE(dde.StartDdeServer());
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"taken"});
    const MsrLogRecord r[] = {Measured(1.0f)};
    dde.UpdateMeasurement(Condition({Layer(kCoatNickel, "Ni")}), r, 1, kTabValues, kNow);
    dde.NotifyStatistics();
    EXPECT_TRUE(server.notices.empty());
    // The items are still kept, so a later start serves them.
    EXPECT_EQ(*dde.Request(DdeTopic::Meas, "RES1"), "1.0");
}

}  // namespace
}  // namespace klv
