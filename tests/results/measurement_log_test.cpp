#include "results/measurement_log.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "reference/condition_store.h"
#include "reference/log_move.h"
#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

constexpr int kChannel = 4;

class RecordingPrinter final : public CancellationPrinter {
public:
    void PrintCancellationLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

struct LogFixture {
    test::TempDir dir;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{dir.Path(), op};
    MeasFileData d;
    MeasurementBuffer buffer{};

    explicit LogFixture(int layers) {
        store.CreateConditionDirectories();
        d = layers == 2 ? Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")})
                        : Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu"),
                                     Layer(kCoatChrome, "Cr")});
        EXPECT_TRUE(store.WriteConditionFile(kChannel, d));
    }
    std::string LogPath() const { return store.MakeMsrLogFileName(kChannel); }
    std::vector<MsrLogRecord> FileRecords() const {
        std::string bytes = test::ReadTestFile(LogPath());
        std::vector<MsrLogRecord> r(bytes.size() / sizeof(MsrLogRecord));
        std::memcpy(r.data(), bytes.data(), r.size() * sizeof(MsrLogRecord));
        return r;
    }
    MeasFileData Stored() {
        MeasFileData s;
        EXPECT_TRUE(store.ReadConditionFile(kChannel, s, true));
        return s;
    }
    // Whole measurements with values number x 10 + layer, dated by their number.
    void Append(std::uint32_t measurements) {
        const int layers = GetCoatCount(d);
        for (std::uint32_t m = 0; m < measurements; ++m) {
            const std::uint32_t number = GetDataQuantity(d) + 1;
            clock.SetDate(2020, 1, static_cast<int>(number % 28) + 1);
            for (int k = 0; k < layers; ++k)
                ASSERT_TRUE(AddMsrLogRecord(store, clock, d, kChannel, buffer, k,
                                            static_cast<float>(number * 10 + k), false));
        }
    }
    // The condition file cannot be replaced while a folder stands in its place.
    void BlockConditionWrites() {
        std::filesystem::remove(store.MakeConditionFileName(kChannel));
        std::filesystem::create_directory(store.MakeConditionFileName(kChannel));
    }
};

TEST(AddMsrLogRecord, FirstLayerReservesTheMeasurementsRecords) {
    LogFixture f(3);
    f.clock.SetDate(2021, 5, 2);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 4.5f, false));
    EXPECT_EQ(FileSize(f.LogPath()), 24);
    // 4.5f, measured flag, reserved 0, 2021/5/2 = (41 << 9) | (5 << 5) | 2 = 0x52A2.
    EXPECT_EQ(test::ReadTestFile(f.LogPath()).substr(0, 8),
              std::string("\x00\x00\x90\x40\x80\x00\xA2\x52", 8));
    auto r = f.FileRecords();
    EXPECT_EQ(r[0].lMeasValue, 4.5f);
    EXPECT_EQ(r[0].bFlags, kRecordMeasured);
    EXPECT_EQ(r[0].reserved5, 0);
    EXPECT_EQ(r[0].wDate, PackDate(2021, 5, 2));
    for (int k : {1, 2}) {
        EXPECT_EQ(r[k].bFlags, kRecordNoValue);
        EXPECT_EQ(r[k].lMeasValue, 0.0f);
        EXPECT_EQ(r[k].wDate, 0);
    }
    EXPECT_EQ(f.d.nItemCt, 1u);
    EXPECT_EQ(f.d.wFirstDate, PackDate(2021, 5, 2));
    EXPECT_EQ(f.d.wLastDate, PackDate(2021, 5, 2));
    EXPECT_EQ(f.Stored().nItemCt, 1u);
}

TEST(AddMsrLogRecord, ValueInTheUnitIsStoredInMicrometresAndNoValueAsZero) {
    LogFixture f(2);
    f.d.bUnit = kUnitMil;
    f.d.coat[0].bRange = test::kRange2_1;
    f.d.coat[1].bRange = test::kRange2_1;
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 12.34f, false));
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 7.0f, true));
    auto r = f.FileRecords();
    EXPECT_EQ(r[0].lMeasValue, 313.4360046386719f);
    EXPECT_EQ(r[1].lMeasValue, 0.0f);
    EXPECT_EQ(r[1].bFlags, kRecordMeasured | kRecordNoValue);
}

TEST(RestoreLastLayerRecord, TheLayerStoredLastGetsItsNewValueInPlace) {
    LogFixture f(3);
    f.Append(2);
    f.clock.SetDate(2022, 3, 4);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 30.0f, false));
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 31.0f, false));
    const auto before = f.FileRecords();
    // Only the layer stored last of an unfinished measurement.
    EXPECT_FALSE(RestoreLastLayerRecord(f.store, f.d, kChannel, f.buffer, 0, 1.0f));
    EXPECT_FALSE(RestoreLastLayerRecord(f.store, f.d, kChannel, f.buffer, 2, 1.0f));
    EXPECT_EQ(f.FileRecords().size(), before.size());
    ASSERT_TRUE(RestoreLastLayerRecord(f.store, f.d, kChannel, f.buffer, 1, 31.5f));
    const auto after = f.FileRecords();
    ASSERT_EQ(after.size(), 9u);
    EXPECT_EQ(std::memcmp(before.data(), after.data(), 7 * sizeof(MsrLogRecord)), 0);
    EXPECT_EQ(after[7].lMeasValue, 31.5f);
    EXPECT_EQ(after[7].wDate, PackDate(2022, 3, 4));
    EXPECT_EQ(after[8].bFlags, kRecordNoValue) << "the layer still to come stays reserved";
    EXPECT_EQ(f.Stored().nItemCt, 8u);
    EXPECT_EQ(f.buffer[1].lMeasValue, 31.5f);
    // A log that cannot be written keeps the buffer and the old value.
    std::filesystem::remove(f.LogPath());
    std::filesystem::create_directory(f.LogPath());
    EXPECT_FALSE(RestoreLastLayerRecord(f.store, f.d, kChannel, f.buffer, 1, 40.0f));
    EXPECT_EQ(f.buffer[1].lMeasValue, 31.5f);
}

TEST(AddMsrLogRecord, SecondLayerOfTheFifthMeasurementRewritesRecordsEightAndNine) {
    LogFixture f(2);
    f.Append(4);
    f.clock.SetDate(2022, 3, 4);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 50.0f, false));
    auto before = f.FileRecords();
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 51.0f, false));
    auto after = f.FileRecords();
    ASSERT_EQ(after.size(), 10u);
    EXPECT_EQ(std::memcmp(before.data(), after.data(), 9 * sizeof(MsrLogRecord)), 0);
    EXPECT_EQ(after[8].lMeasValue, 50.0f);
    EXPECT_EQ(after[9].lMeasValue, 51.0f);
    EXPECT_EQ(after[9].bFlags, kRecordMeasured);
    EXPECT_EQ(f.d.nItemCt, 10u);
    EXPECT_EQ(f.d.wFirstDate, PackDate(2020, 1, 2));
    EXPECT_EQ(f.d.wLastDate, PackDate(2022, 3, 4));
}

TEST(AddMsrLogRecord, FailedConditionWriteKeepsTheCountAndDates) {
    LogFixture f(2);
    f.Append(1);
    const MeasFileData before = f.d;
    f.BlockConditionWrites();
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    EXPECT_EQ(std::memcmp(&before, &f.d, sizeof before), 0);
    EXPECT_FALSE(f.op.Messages().empty());
}

TEST(AddMsrLogRecord, AFailedCompletionOfAnInterruptedMeasurementOverwritesNothing) {
    LogFixture f(3);
    f.Append(1);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 7.0f, false));
    f.BlockConditionWrites();
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 8.0f, false));
    EXPECT_EQ(f.d.nItemCt, 4u);
    const auto r = f.FileRecords();
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[3].lMeasValue, 7.0f);
    EXPECT_EQ(r[4].bFlags, kRecordMeasured | kRecordNoValue);
}

TEST(AddMsrLogRecord, FailedLogWriteReportsAndLeavesTheCondition) {
    LogFixture f(2);
    std::filesystem::create_directory(f.LogPath());
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    EXPECT_EQ(f.d.nItemCt, 0u);
    ASSERT_EQ(f.op.Texts().size(), 1u);
    EXPECT_EQ(f.op.Texts()[0], "The file can't be made.");
}

TEST(AddMsrLogRecord, LayersOutOfOrderAreRefused) {
    LogFixture f(3);
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 1.0f, false));
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 3, 1.0f, false));
    EXPECT_EQ(f.d.nItemCt, 0u);
    EXPECT_FALSE(FileExists(f.LogPath()));
}

// Appending and selecting the channel keep the stored layers of an interrupted measurement
// alike: it is completed, its missing layers without value, and the next one follows it.
TEST(AddMsrLogRecord, ANewMeasurementKeepsTheLayersOfAnInterruptedOne) {
    for (bool selectedFirst : {false, true}) {
        LogFixture f(3);
        f.Append(1);
        ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 7.0f, false));
        if (selectedFirst) {
            ASSERT_EQ(f.store.PrepareChannelForMeasurement(kChannel, f.d),
                      ChannelPrepareResult::Ready);
        }
        ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 8.0f, false));
        EXPECT_EQ(f.d.nItemCt, 7u) << selectedFirst;
        EXPECT_EQ(f.Stored().nItemCt, 7u);
        const auto r = f.FileRecords();
        ASSERT_EQ(r.size(), 9u);
        EXPECT_EQ(r[3].lMeasValue, 7.0f);
        EXPECT_EQ(r[3].bFlags, kRecordMeasured);
        for (int k : {4, 5}) {
            EXPECT_EQ(r[k].bFlags, kRecordMeasured | kRecordNoValue) << k;
            EXPECT_EQ(r[k].lMeasValue, 0.0f);
        }
        EXPECT_EQ(r[6].lMeasValue, 8.0f);
        EXPECT_TRUE(f.op.Messages().empty());
    }
}

TEST(MeasurementLimit, TheHundredThousandthMeasurementIsRefused) {
    LogFixture f(2);
    f.d.nItemCt = 2 * 99998;
    EXPECT_TRUE(CanAcceptMeasurement(f.d));
    f.d.nItemCt = 2 * 99999;
    EXPECT_FALSE(CanAcceptMeasurement(f.d));
    EXPECT_FALSE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    ASSERT_EQ(f.op.Texts().size(), 1u);
    EXPECT_EQ(f.op.Texts()[0], "Amount of measurement data have reached to the limit.");
    EXPECT_FALSE(FileExists(f.LogPath()));
    // The last one that fits is stored.
    f.d.nItemCt = 2 * 99998;
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 1.0f, false));
    EXPECT_EQ(f.Stored().nItemCt, 2u * 99999);
}

TEST(CancelLastMeasurement, DropsTheLastMeasurementAndPrintsTheLine) {
    LogFixture f(2);
    f.Append(3);
    RecordingPrinter printer;
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, &printer), CancelResult::Cancelled);
    ASSERT_EQ(f.op.Texts().size(), 1u);
    EXPECT_EQ(f.op.Texts()[0], "Delete all data of data number 3. \n\n Is it OK?");
    EXPECT_EQ(f.op.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_EQ(f.d.wLastDate, PackDate(2020, 1, 3));
    EXPECT_EQ(f.d.wFirstDate, PackDate(2020, 1, 2));
    EXPECT_EQ(f.Stored().nItemCt, 4u);
    EXPECT_EQ(FileSize(f.LogPath()), 32);
    ASSERT_EQ(printer.lines.size(), 1u);
    EXPECT_EQ(printer.lines[0], "   3    --Cancellation of data--");
}

TEST(CancelLastMeasurement, TheLastDateBecomesThatOfTheNewLastMeasurementsFirstLayer) {
    LogFixture f(2);
    f.Append(1);
    // Measurement 2 runs over midnight: its layers carry different dates.
    f.clock.SetDate(2020, 2, 10);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    f.clock.SetDate(2020, 2, 11);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 1.0f, false));
    f.Append(1);
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Cancelled);
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_EQ(f.d.wLastDate, PackDate(2020, 2, 10));
    EXPECT_EQ(f.Stored().wLastDate, PackDate(2020, 2, 10));
}

TEST(CancelLastMeasurement, RunningMeasurementIsDroppedWithDatesUnchanged) {
    LogFixture f(3);
    f.Append(1);
    f.clock.SetDate(2023, 6, 7);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    const std::uint16_t first = f.d.wFirstDate, last = f.d.wLastDate;
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Cancelled);
    EXPECT_EQ(f.op.Texts()[0], "Delete all data of data number 2. \n\n Is it OK?");
    EXPECT_EQ(f.d.nItemCt, 3u);
    EXPECT_EQ(f.d.wFirstDate, first);
    EXPECT_EQ(f.d.wLastDate, last);
    EXPECT_EQ(FileSize(f.LogPath()), 24);
}

TEST(CancelLastMeasurement, TheOnlyMeasurementClearsTheDatesAndDeletesTheLog) {
    LogFixture f(2);
    f.Append(1);
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Cancelled);
    EXPECT_EQ(f.d.nItemCt, 0u);
    EXPECT_EQ(f.d.wFirstDate, 0);
    EXPECT_EQ(f.d.wLastDate, 0);
    EXPECT_FALSE(FileExists(f.LogPath()));
    EXPECT_FALSE(f.store.Channels().HasData(kChannel));
}

TEST(CancelLastMeasurement, APartlyStoredFirstMeasurementClearsTheDates) {
    LogFixture f(3);
    f.clock.SetDate(2021, 5, 2);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 1, 2.0f, false));
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Cancelled);
    EXPECT_EQ(f.op.Texts()[0], "Delete all data of data number 1. \n\n Is it OK?");
    EXPECT_EQ(f.d.nItemCt, 0u);
    EXPECT_EQ(f.d.wFirstDate, 0);
    EXPECT_EQ(f.d.wLastDate, 0);
    EXPECT_EQ(f.Stored().wFirstDate, 0);
    EXPECT_FALSE(FileExists(f.LogPath()));
    // The next first measurement dates the condition anew.
    f.clock.SetDate(2024, 2, 3);
    ASSERT_TRUE(AddMsrLogRecord(f.store, f.clock, f.d, kChannel, f.buffer, 0, 1.0f, false));
    EXPECT_EQ(f.d.wFirstDate, PackDate(2024, 2, 3));
}

TEST(CancelLastMeasurement, NoAnswerAndFailedWritesChangeNothing) {
    LogFixture f(2);
    f.Append(2);
    const MeasFileData before = f.d;
    f.op.Answer(IDNO);
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Declined);
    f.BlockConditionWrites();
    EXPECT_EQ(CancelLastMeasurement(f.store, f.d, kChannel, nullptr), CancelResult::Failed);
    EXPECT_EQ(std::memcmp(&before, &f.d, sizeof before), 0);
    EXPECT_EQ(FileSize(f.LogPath()), 32);
}

TEST(RewriteMeasurement, WritesOneMeasurementInPlace) {
    LogFixture f(2);
    f.Append(3);
    const MsrLogRecord fixed[] = {test::Measured(1.5f), test::Measured(2.5f)};
    ASSERT_TRUE(RewriteMeasurement(f.store, f.d, kChannel, 2, fixed));
    auto r = f.FileRecords();
    EXPECT_EQ(r[1].lMeasValue, 11.0f);
    EXPECT_EQ(r[2].lMeasValue, 1.5f);
    EXPECT_EQ(r[3].lMeasValue, 2.5f);
    EXPECT_EQ(r[4].lMeasValue, 30.0f);
    EXPECT_FALSE(RewriteMeasurement(f.store, f.d, kChannel, 4, fixed));
    EXPECT_FALSE(RewriteMeasurement(f.store, f.d, kChannel, 0, fixed));
}

TEST(RemoveMeasurements, LaterMeasurementsMoveDownAndTheFileKeepsItsLength) {
    LogFixture f(2);
    f.Append(4);
    const std::uint32_t numbers[] = {3, 2};
    ASSERT_TRUE(RemoveMeasurements(f.store, f.d, kChannel, numbers));
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_EQ(f.Stored().nItemCt, 4u);
    auto r = f.FileRecords();
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[0].lMeasValue, 10.0f);
    EXPECT_EQ(r[1].lMeasValue, 11.0f);
    EXPECT_EQ(r[2].lMeasValue, 40.0f);
    EXPECT_EQ(r[3].lMeasValue, 41.0f);
}

TEST(RemoveMeasurements, FailedCountWriteLosesNoMeasurementThatStays) {
    LogFixture f(2);
    f.Append(4);
    f.BlockConditionWrites();
    const std::uint32_t numbers[] = {2};
    EXPECT_FALSE(RemoveMeasurements(f.store, f.d, kChannel, numbers));
    EXPECT_EQ(f.d.nItemCt, 8u);
    // Measurements 1, 3 and 4 are all inside the old count; 4 stands there twice.
    auto r = f.FileRecords();
    const float expected[] = {10, 11, 30, 31, 40, 41, 40, 41};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(r[i].lMeasValue, expected[i]) << i;
    EXPECT_TRUE(FileExists(f.store.MakeLogMoveFileName(kChannel))) << "for the next start";
}

TEST(RemoveMeasurements, TheStartAfterACrashFinishesTheRemovalOrDropsAForeignMoveFile) {
    struct Case {
        const char* what;
        bool moved;           // the crash came after the records moved down
        std::uint32_t count;  // the condition's count at the crash
        bool garbage;         // the move file is not one of ours
        std::uint32_t after;  // the count the start leaves
    };
    const Case cases[] = {
        {"crash after the move file", false, 8, false, 6},
        {"crash after the records moved", true, 8, false, 6},
        {"crash after the count was written", true, 6, false, 6},
        {"move file of other data", false, 4, false, 4},
        {"damaged move file", false, 8, true, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LogFixture f(2);
        f.Append(4);
        const std::vector<MsrLogRecord> later = {f.FileRecords()[4], f.FileRecords()[5],
                                                 f.FileRecords()[6], f.FileRecords()[7]};
        ASSERT_TRUE(WriteLogMove(f.store, kChannel, {8, 2, later}));
        if (c.garbage)
            test::WriteTestFile(f.store.MakeLogMoveFileName(kChannel), "KLVMOVE1 torn");
        if (c.moved) {
            ASSERT_TRUE(WriteMsrLogFile(f.store, kChannel, later.data(), 2, 4));
        }
        f.d.nItemCt = c.count;
        ASSERT_TRUE(f.store.WriteConditionFile(kChannel, f.d));

        f.store.ScanChannels();
        EXPECT_EQ(f.Stored().nItemCt, c.after);
        EXPECT_FALSE(FileExists(f.store.MakeLogMoveFileName(kChannel)));
        const auto r = f.FileRecords();
        const float removed[] = {10, 11, 30, 31, 40, 41};
        const float kept[] = {10, 11, 20, 21, 30, 31, 40, 41};
        for (std::uint32_t i = 0; i < c.after; ++i)
            EXPECT_EQ(r[i].lMeasValue, c.after == 6 ? removed[i] : kept[i]) << i;
    }
}

TEST(RemoveMeasurements, AllSelectedDeletesTheLog) {
    LogFixture f(2);
    f.Append(2);
    const std::uint32_t numbers[] = {1, 2, 2};
    ASSERT_TRUE(RemoveMeasurements(f.store, f.d, kChannel, numbers));
    EXPECT_EQ(f.d.nItemCt, 0u);
    EXPECT_EQ(f.d.wFirstDate, 0);
    EXPECT_FALSE(FileExists(f.LogPath()));

    f.Append(2);
    f.BlockConditionWrites();
    EXPECT_FALSE(RemoveMeasurements(f.store, f.d, kChannel, numbers));
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_TRUE(FileExists(f.LogPath()));
}

TEST(RemoveMeasurements, NumbersOutsideTheDataAreRefused) {
    LogFixture f(2);
    f.Append(2);
    const std::uint32_t numbers[] = {1, 3};
    EXPECT_FALSE(RemoveMeasurements(f.store, f.d, kChannel, numbers));
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_EQ(f.FileRecords()[0].lMeasValue, 10.0f);
    // Nothing chosen is nothing to do, not a failure.
    EXPECT_TRUE(RemoveMeasurements(f.store, f.d, kChannel, {}));
    EXPECT_EQ(f.d.nItemCt, 4u);
    EXPECT_EQ(f.op.Texts().size(), 1u) << "only the refusal above";
}

}  // namespace
}  // namespace klv
