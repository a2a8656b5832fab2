#include "output/roll_paper_output.h"

#include <gtest/gtest.h>

#include "output/file_printer_queue.h"
#include "output/recording_drawer.h"
#include "output/roll_paper_lines.h"
#include "output/roll_paper_model.h"
#include "reference/condition_store.h"
#include "reference/unit_gasket_tables.h"
#include "results/measurement_log.h"
#include "results/synthetic_result.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

constexpr int kChannel = 2;
constexpr char kPartialCut[] = "CT-S300_Partial_Cut";

struct RollPaperFixture : ::testing::Test {
    test::TempDir dir;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{dir.Path(), op};
    CFilePrinterQueue queue{dir.Path()};
    CRollPaperPrinter printer{queue, op};
    test::RecordingDrawer drawer;
    CRollPaperOutput output{printer, drawer, store};
    MeasFileData d{};
    MeasurementBuffer buffer{};

    RollPaperFixture() {
        store.CreateConditionDirectories();
        output.SetSelected(true);
    }
    void InstallQueue(const char* name = kPartialCut) { test::WriteTestFile(dir.File(name), ""); }
    std::string Printed(const char* name = kPartialCut) {
        return test::ReadTestFile(dir.File(name));
    }
    void Use(const MeasFileData& condition) {
        d = condition;
        ASSERT_TRUE(store.WriteConditionFile(kChannel, d));
    }
    OpenChannelRef Channel() const { return {&d, kChannel}; }
    // Stores one layer and prints what the run prints after it.
    void Measure(int layer, float micrometres) {
        ASSERT_TRUE(AddMsrLogRecord(store, clock, d, kChannel, buffer, layer, micrometres, false));
        output.PrintMeasurementLines(
            Channel(), std::span<const MsrLogRecord>(buffer.data(), GetCoatCount(d)), layer);
    }
};

TEST(RasterRecord, A576DotRowIsEightyBytesWithInvertedBits) {
    MonoBitmap b = MakeWhiteBitmap(570, 1);
    ASSERT_EQ(b.width, 576);
    b.bits[0] = 0x0F;  // four black dots, then white
    const std::vector<std::uint8_t> r = MakeRasterRecord(b.Row(0));
    ASSERT_EQ(r.size(), 80u);
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin(), r.begin() + 8),
              (std::vector<std::uint8_t>{0x1D, 0x76, 0x30, 0x30, 0x48, 0x00, 0x01, 0x00}));
    EXPECT_EQ(r[8], 0xF0);
    EXPECT_EQ(r[79], 0x00);
    const std::vector<std::uint8_t> wide = MakeRasterRecord(std::vector<std::uint8_t>(300));
    EXPECT_EQ(wide[4], 0x2C);
    EXPECT_EQ(wide[5], 0x01) << "the byte width's high byte";
    EXPECT_EQ(RoundUpToRasterWidth(0), 0);
    EXPECT_EQ(RoundUpToRasterWidth(33), 64);
}

TEST(RollPaperModels, QueueNamesHoldNoBlanksAndAreTriedInOrder) {
    EXPECT_EQ(PlatformQueueName("CT-S300 Partial Cut"), "CT-S300_Partial_Cut");
    ASSERT_NE(FindRollPaperModel(1), nullptr);
    EXPECT_STREQ(FindRollPaperModel(1)->displayName, "Citizen CT-S300");
    EXPECT_EQ(FindRollPaperModel(2), nullptr);
}

TEST(RollPaperModels, FontHeightInDotsFromTenthsOfAPoint) {
    EXPECT_EQ(RollPaperFontHeight(140), -18);
    EXPECT_EQ(RollPaperFontHeight(90), -12);
    EXPECT_EQ(RollPaperFontHeight(100), -13);
    EXPECT_EQ(RollPaperFontHeight(200), -26);
}

TEST_F(RollPaperFixture, RowsGoToTheFirstQueueThatOpens) {
    InstallQueue("CT-S300_No_Cut");
    InstallQueue("CT-S300_Full_Cut");
    MonoBitmap b = MakeWhiteBitmap(64, 3);
    b.bits[2] = 0x00;
    EXPECT_TRUE(printer.PrintRasterRows(b, 2));
    const test::DecodedRows rows = test::DecodeRasterRecords(Printed("CT-S300_Full_Cut"));
    ASSERT_TRUE(rows.ok);
    auto expected = test::BitmapRows(b);
    expected.pop_back();
    EXPECT_EQ(rows.rows, expected);
    EXPECT_EQ(Printed("CT-S300_No_Cut"), "");
    EXPECT_TRUE(printer.PrintRasterRows(b, 10));  // at most the bitmap's rows
    EXPECT_EQ(test::DecodeRasterRecords(Printed("CT-S300_Full_Cut")).rows.size(), 5u);
    EXPECT_TRUE(op.Texts().empty());
}

TEST_F(RollPaperFixture, NoQueueIsToldAndNothingIsSent) {
    EXPECT_FALSE(printer.PrintRasterRows(MakeWhiteBitmap(32, 1), 1));
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"Roll-paper type printer can't be used."});
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(printer.ProbeRollPaperPrinter(true, false));
    EXPECT_EQ(op.Texts().size(), 1u);
    EXPECT_FALSE(printer.ProbeModel(1, true));
    EXPECT_EQ(op.Texts().size(), 2u);
    InstallQueue();
    EXPECT_TRUE(printer.ProbeModel(1, true));
    EXPECT_EQ(op.Texts().size(), 2u);
}

// Takes the document but refuses the row after `goodWrites`.
struct RefusingQueue final : RawPrinterQueue {
    bool takesDocument = true;
    int goodWrites = 0;
    int writes = 0;
    bool ended = false;
    bool Open(const std::string& name) override { return name == "CT-S300_Partial_Cut"; }
    bool StartDocument(const std::string&) override { return takesDocument; }
    bool Write(std::span<const std::uint8_t>) override { return ++writes <= goodWrites; }
    bool EndDocument() override { return ended = true; }
    void Close() override {}
};

TEST(RollPaperPrinter, AFailedWriteStopsTheBitmapAndIsTold) {
    test::ScriptedOperator op;
    RefusingQueue queue;
    queue.goodWrites = 2;
    CRollPaperPrinter printer(queue, op);
    EXPECT_FALSE(printer.PrintRasterRows(MakeWhiteBitmap(32, 10), 10));
    EXPECT_EQ(queue.writes, 3);
    EXPECT_TRUE(queue.ended);
    EXPECT_EQ(op.Texts(), std::vector<std::string>{kMsgRollPaperUnusable});

    op.Clear();
    queue.takesDocument = false;
    EXPECT_FALSE(printer.PrintRasterRows(MakeWhiteBitmap(32, 1), 1)) << "a refused job";
    EXPECT_EQ(op.Texts(), std::vector<std::string>{kMsgRollPaperUnusable});
}

struct RecordingSink final : RollPaperImageSink {
    void AppendRows(const MonoBitmap& bitmap, int count) override {
        heights.push_back(bitmap.height);
        rows.push_back(count);
    }
    std::vector<int> heights, rows;
};

TEST_F(RollPaperFixture, SimulationTakesTheImagesWithoutAQueue) {
    RecordingSink sink;
    printer.SetSimulation(&sink);
    EXPECT_TRUE(output.PrintRollPaperLine("ABC"));
    EXPECT_TRUE(output.FeedRollPaper());
    EXPECT_FALSE(output.IsFeedPending());
    EXPECT_EQ(sink.rows, (std::vector<int>{24, 24}));
    EXPECT_TRUE(op.Texts().empty());
}

TEST_F(RollPaperFixture, LineBitmapIsAsWideAsItsCharactersRoundedToThirtyTwo) {
    InstallQueue();
    EXPECT_TRUE(output.PrintRollPaperLine("1234567"));
    ASSERT_EQ(drawer.bitmaps.size(), 1u);
    EXPECT_EQ(drawer.bitmaps[0].width, 96);
    EXPECT_EQ(drawer.bitmaps[0].height, test::RecordingDrawer::kCellHeight);
    EXPECT_EQ(test::DecodeRasterRecords(Printed()).rows, test::BitmapRows(drawer.bitmaps[0]));
    EXPECT_TRUE(output.IsFeedPending());
}

TEST_F(RollPaperFixture, PagePrinterSelectedPrintsNothingAndSucceeds) {
    output.SetSelected(false);
    EXPECT_TRUE(output.PrintRollPaperLine("text"));
    Use(Condition({Layer(kCoatNickel, "Ni")}));
    EXPECT_TRUE(output.PrintMeasurementLines(Channel(), {}, 0));
    output.SetSelected(true);
    EXPECT_TRUE(output.PrintMeasurementLines({nullptr, kChannel}, {}, 0));
    EXPECT_TRUE(drawer.texts.empty());
    EXPECT_FALSE(output.IsFeedPending());
}

TEST_F(RollPaperFixture, FeedPrintsOneBlankAndFailsSilentlyWithoutQueue) {
    EXPECT_TRUE(output.PrintRollPaperLine("x") == false);
    EXPECT_TRUE(output.IsFeedPending());
    op.Clear();
    EXPECT_FALSE(output.FeedRollPaper());
    EXPECT_FALSE(output.IsFeedPending());
    EXPECT_TRUE(op.Texts().empty());

    InstallQueue();
    EXPECT_TRUE(output.FeedRollPaper());
    EXPECT_EQ(drawer.texts.back(), " ");
    EXPECT_EQ(drawer.bitmaps.back().width, 32);
    EXPECT_EQ(test::DecodeRasterRecords(Printed()).rows.size(), 24u);
}

TEST_F(RollPaperFixture, SingleLayerLineWithWeightAndLimitParts) {
    InstallQueue();
    MeasFileData c = Condition({Layer(kCoatNickel, "Ni")});
    Use(c);
    Measure(0, 5.0f);
    ASSERT_EQ(drawer.texts.size(), 1u);
    SyntheticResult r{};
    EditSyntheticResult(d, std::span<const MsrLogRecord>(buffer.data(), 1), r, false);
    const std::string head = std::string("   1   ") + r.item[0].szMeasTitle + "  " +
                             r.item[0].szMeasValue + " " + r.item[0].szUnit;
    EXPECT_EQ(drawer.texts[0], head + "   " + r.item[0].szLimit);
    EXPECT_EQ(std::string(r.item[0].szMeasTitle).substr(0, 2), "Ni");

    d.bWtFlags |= kWtPlatingWeightCount;
    Measure(0, 6.0f);
    EditSyntheticResult(d, std::span<const MsrLogRecord>(buffer.data(), 1), r, false);
    EXPECT_EQ(drawer.texts[1], std::string("   2   ") + r.item[0].szMeasTitle + "  " +
                                   r.item[0].szMeasValue + " " + r.item[0].szUnit + "   " +
                                   r.item[0].szWeightValue + " mg   " + r.item[0].szAdhesionValue +
                                   " g/m%0   " + r.item[0].szLimit);
}

TEST_F(RollPaperFixture, LayersPrintAsTheyAreMeasuredEvenInFiveDataMode) {
    InstallQueue();
    output.SetMode(kPrintFiveDataPerLine);
    Use(Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")}));
    Measure(0, 5.0f);
    ASSERT_EQ(drawer.texts.size(), 1u);
    EXPECT_EQ(drawer.texts[0].substr(0, 9), "   1-1 Ni");
    Measure(1, 2.0f);
    ASSERT_EQ(drawer.texts.size(), 2u);
    EXPECT_EQ(drawer.texts[1].substr(0, 9), "   1-2 Cu");
    EXPECT_EQ(output.PendingCount(), 0);
}

TEST_F(RollPaperFixture, AnUnusableWtCoefficientPrintsEveryItemFromTheFirst) {
    InstallQueue();
    MeasFileData c = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
    c.bGasket = kGasketWT;
    Use(c);
    Measure(0, 5.0f);
    Measure(1, 2.0f);
    ASSERT_EQ(drawer.texts.size(), 3u);
    EXPECT_EQ(drawer.texts[1].substr(0, 9), "   1-1 Ni");
    EXPECT_EQ(drawer.texts[2].substr(0, 9), "   1-2 Cu");
}

TEST_F(RollPaperFixture, FiveDataModeGathersFiveSingleLayerValues) {
    InstallQueue();
    output.SetMode(kPrintFiveDataPerLine);
    Use(Condition({Layer(kCoatNickel, "Ni")}));
    std::vector<std::string> values;
    for (int m = 1; m <= 4; ++m) {
        Measure(0, static_cast<float>(m));
        values.push_back(GetFirstValueText(d, std::span<const MsrLogRecord>(buffer.data(), 1)));
    }
    EXPECT_TRUE(drawer.texts.empty());
    EXPECT_EQ(output.PendingCount(), 4);
    Measure(0, 5.0f);
    values.push_back(GetFirstValueText(d, std::span<const MsrLogRecord>(buffer.data(), 1)));
    std::string expected = "   1 ";
    for (const std::string& v : values)
        expected += " " + v;
    ASSERT_EQ(drawer.texts.size(), 1u);
    EXPECT_EQ(drawer.texts[0], expected + " um");
    EXPECT_EQ(values[0], "   1.0");

    for (int m = 6; m <= 8; ++m)
        Measure(0, static_cast<float>(m));
    EXPECT_TRUE(output.FlushFiveDataLine(Channel()));
    ASSERT_EQ(drawer.texts.size(), 2u);
    EXPECT_EQ(drawer.texts[1], "   6     6.0    7.0    8.0 um");
    EXPECT_TRUE(output.FlushFiveDataLine(Channel()));
    EXPECT_EQ(drawer.texts.size(), 2u);
}

TEST_F(RollPaperFixture, StatisticsModePrintsNoSingleLayerValue) {
    InstallQueue();
    output.SetMode(kPrintAtStatistics);
    Use(Condition({Layer(kCoatNickel, "Ni")}));
    Measure(0, 1.0f);
    EXPECT_TRUE(drawer.texts.empty());
    d.bWtFlags |= kWtPlatingWeightCount;  // weights always print
    Measure(0, 2.0f);
    EXPECT_EQ(drawer.texts.size(), 1u);
}

TEST_F(RollPaperFixture, PendingValuesRemovedMeanwhileEndTheLine) {
    InstallQueue();
    output.SetMode(kPrintFiveDataPerLine);
    Use(Condition({Layer(kCoatNickel, "Ni")}));
    Measure(0, 1.0f);
    Measure(0, 2.0f);
    ASSERT_TRUE(store.EraseChannelData(d, kChannel));
    EXPECT_FALSE(output.FlushFiveDataLine(Channel()));
    EXPECT_TRUE(drawer.texts.empty());
    EXPECT_EQ(output.PendingCount(), 0);
}

}  // namespace
}  // namespace klv
