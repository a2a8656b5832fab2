#include "output/cups/cups_printer_queue.h"

#include <gtest/gtest.h>

#include "output/recording_drawer.h"
#include "output/roll_paper_lines.h"
#include "output/roll_paper_output.h"
#include "reference/condition_store.h"
#include "reference/unit_gasket_tables.h"
#include "results/measurement_log.h"
#include "support/private_cupsd.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

constexpr int kChannel = 0;

// A measurement run's roll-paper output through the real queues of a private scheduler.
struct CupsFixture : ::testing::Test {
    test::PrivateCupsd cupsd;
    test::TempDir dir;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{dir.Path(), op};
    CCupsPrinterQueue queue;
    CRollPaperPrinter printer{queue, op};
    test::RecordingDrawer drawer;
    CRollPaperOutput output{printer, drawer, store};
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
    MeasurementBuffer buffer{};

    void SetUp() override {
        // Without its scheduler this test proves nothing, so it fails.
        ASSERT_EQ(cupsd.Error(), "");
        store.CreateConditionDirectories();
        ASSERT_TRUE(store.WriteConditionFile(kChannel, d));
        output.SetSelected(true);
    }
    void Measure(float micrometres) {
        ASSERT_TRUE(AddMsrLogRecord(store, clock, d, kChannel, buffer, 0, micrometres, false));
        output.PrintMeasurementLines({&d, kChannel},
                                     std::span<const MsrLogRecord>(buffer.data(), 1), 0);
    }
};

TEST_F(CupsFixture, EveryRecordOfTheJobDecodesToTheDrawnBitmap) {
    const std::string file = cupsd.AddQueue("CT-S300_Partial_Cut", "CT-S300 Partial Cut");
    ASSERT_EQ(cupsd.Error(), "");
    d.bWtFlags |= kWtPlatingWeightCount;
    Measure(4.25f);
    ASSERT_EQ(drawer.bitmaps.size(), 1u);
    ASSERT_TRUE(cupsd.WaitIdle(20000));
    const std::string bytes = test::ReadTestFile(file);
    const MonoBitmap& drawn = drawer.bitmaps[0];
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(drawn.height) * (8 + drawn.BytesPerRow()));
    const test::DecodedRows rows = test::DecodeRasterRecords(bytes);
    ASSERT_TRUE(rows.ok);
    EXPECT_EQ(rows.rows, test::BitmapRows(drawn));
    EXPECT_TRUE(op.Texts().empty());

    // A later queue of the model is not tried while the first opens; the name matches in any case.
    EXPECT_TRUE(queue.Open("ct-s300_partial_cut"));
    queue.Close();
    EXPECT_FALSE(queue.Open("CT-S300_Full_Cut"));
}

TEST_F(CupsFixture, WithoutQueueTheOperatorIsToldOnceAndTheDataStays) {
    d = test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")});
    ASSERT_TRUE(store.WriteConditionFile(kChannel, d));
    for (int k = 0; k < 2; ++k)
        ASSERT_TRUE(AddMsrLogRecord(store, clock, d, kChannel, buffer, k, 1.0f + k, false));
    // The alloy-free condition prints from the last layer: force both lines with a WT gasket.
    d.bGasket = kGasketWT;
    EXPECT_FALSE(output.PrintMeasurementLines({&d, kChannel},
                                              std::span<const MsrLogRecord>(buffer.data(), 2), 1));
    EXPECT_EQ(drawer.texts.size(), 1u);  // the first failure stops the rest
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"Roll-paper type printer can't be used."});
    MeasFileData stored{};
    ASSERT_TRUE(store.ReadConditionFile(kChannel, stored, true));
    EXPECT_EQ(stored.nItemCt, 2u);
    MsrLogRecord back[2];
    ASSERT_TRUE(ReadMsrLogFile(store, kChannel, back, 0, 2, true));
    EXPECT_FLOAT_EQ(back[1].lMeasValue, 2.0f);
}

}  // namespace
}  // namespace klv
