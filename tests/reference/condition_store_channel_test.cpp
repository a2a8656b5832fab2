// Bulk erase and the preparation of a channel for measuring.
#include <gtest/gtest.h>

#include "base/file_io.h"
#include "reference/condition_store.h"
#include "reference/condition_store_test_support.h"
#include "reference/msr_log_file.h"

namespace klv {
namespace {

using test::MakeCondition;
using test::StoreFixture;

const char kBulkQuestion[] = "Deleting specified all the data. \n\nOK?";

struct BulkFixture : StoreFixture {
    BulkFixture() {
        for (int i : {0, 7, 49}) {
            MeasFileData d = MakeCondition(1, 2);
            d.wFirstDate = PackDate(2026, 3, 4);
            d.wLastDate = d.wFirstDate;
            store.WriteConditionFile(i, d);
            test::WriteTestFile(store.MakeMsrLogFileName(i), std::string(16, '\0'));
        }
    }
};

TEST(BulkErase, DataOnlyKeepsConditionsAndDeletesEveryLog) {
    BulkFixture f;
    f.op.Answer(IDYES);
    EXPECT_EQ(f.store.BulkErase(true, false), BulkEraseResult::Done);
    EXPECT_EQ(f.op.Texts(), std::vector<std::string>{kBulkQuestion});
    for (int i : {0, 7, 49}) {
        SCOPED_TRACE(i);
        MeasFileData d;
        ASSERT_TRUE(f.store.ReadConditionFile(i, d, true));
        EXPECT_EQ(d.nItemCt, 0u);
        EXPECT_EQ(d.wFirstDate, 0);
        EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(i)));
        EXPECT_TRUE(f.store.Channels().Exists(i));
        EXPECT_FALSE(f.store.Channels().HasData(i));
    }
}

TEST(BulkErase, ConditionsDeletesEveryChannelEvenAnUnreadableOne) {
    BulkFixture f;
    test::WriteTestFile(f.store.MakeConditionFileName(7), "short");
    f.store.ScanChannels();
    f.op.Answer(IDYES);
    EXPECT_EQ(f.store.BulkErase(true, true), BulkEraseResult::Done);
    for (int i : {0, 7, 49}) {
        EXPECT_FALSE(FileExists(f.store.MakeConditionFileName(i)));
        EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(i)));
        EXPECT_FALSE(f.store.Channels().Exists(i));
        EXPECT_FALSE(f.store.Channels().Unreadable(i));
    }
}

TEST(BulkErase, NoOrNothingCheckedChangesNothingAndAFailureStopsTheLoop) {
    BulkFixture f;
    EXPECT_EQ(f.store.BulkErase(false, false), BulkEraseResult::Cancelled);
    EXPECT_TRUE(f.op.Messages().empty());
    f.op.Answer(IDNO);
    EXPECT_EQ(f.store.BulkErase(true, false), BulkEraseResult::Cancelled);
    EXPECT_TRUE(f.store.Channels().HasData(0));

    f.op.Clear();
    test::WriteTestFile(f.store.MakeConditionFileName(7), "short");
    f.op.Answer(IDYES);
    EXPECT_EQ(f.store.BulkErase(true, false), BulkEraseResult::Failed);
    EXPECT_EQ(f.op.Texts(), (std::vector<std::string>{
                                kBulkQuestion, "Data can't be read, or some error in the data."}));
    EXPECT_FALSE(f.store.Channels().HasData(0));
    EXPECT_TRUE(f.store.Channels().HasData(49));  // never reached
}

std::vector<MsrLogRecord> ThreeLayerLog() {
    // Two full measurements, then the first layer of a third; its other two records were
    // reserved with the no-value flag only.
    std::vector<MsrLogRecord> r(9, MsrLogRecord{1.5f, kRecordMeasured, 0, PackDate(2026, 12, 9)});
    r[7] = MsrLogRecord{0.0f, kRecordNoValue, 0, 0};
    r[8] = r[7];
    return r;
}

TEST(PrepareChannel, InterruptedMeasurementIsCompletedAsMeasuredWithoutValue) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(3, 7)));
    auto log = ThreeLayerLog();
    ASSERT_TRUE(WriteMsrLogFile(f.store, 0, log.data(), 0, 9));

    MeasFileData d;
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(0, d), ChannelPrepareResult::Ready);
    EXPECT_EQ(d.nItemCt, 9u);
    MeasFileData onDisk;
    ASSERT_TRUE(f.store.ReadConditionFile(0, onDisk, true));
    EXPECT_EQ(onDisk.nItemCt, 9u);

    MsrLogRecord group[3];
    ASSERT_TRUE(ReadMsrLogFile(f.store, 0, group, 6, 3, true));
    EXPECT_EQ(group[0].bFlags, kRecordMeasured);
    EXPECT_FLOAT_EQ(group[0].lMeasValue, 1.5f);
    for (int k : {1, 2}) {
        EXPECT_EQ(group[k].bFlags, kRecordMeasured | kRecordNoValue);
        EXPECT_EQ(group[k].lMeasValue, 0.0f);
    }
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(PrepareChannel, ReservedRecordsLostOrDamagedAreRepairedNotRefused) {
    struct Case {
        const char* what;
        std::uint32_t keptRecords;  // of the file, the rest cut off
        int damaged;                // record index given unknown flags, -1 none
        std::uint32_t count;        // after the repair
        bool firstLayerKept;
    };
    const Case cases[] = {
        {"reserved records cut off", 7, -1, 9, true},
        {"reserved record damaged", 9, 8, 9, true},
        {"the stored layer damaged too", 7, 6, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreFixture f;
        ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(3, 7)));
        auto log = ThreeLayerLog();
        if (c.damaged >= 0)
            log[static_cast<std::size_t>(c.damaged)].bFlags = 0x21;  // no flag of the log
        ASSERT_TRUE(WriteMsrLogFile(f.store, 0, log.data(), 0, c.keptRecords));

        MeasFileData d;
        ASSERT_EQ(f.store.PrepareChannelForMeasurement(0, d), ChannelPrepareResult::Ready);
        EXPECT_EQ(d.nItemCt, c.count);
        MeasFileData onDisk;
        ASSERT_TRUE(f.store.ReadConditionFile(0, onDisk, true));
        EXPECT_EQ(onDisk.nItemCt, c.count);
        std::vector<MsrLogRecord> read(c.count);
        ASSERT_TRUE(ReadMsrLogFile(f.store, 0, read.data(), 0, c.count, true));
        EXPECT_FLOAT_EQ(read[5].lMeasValue, 1.5f);  // the measurements before stay as they were
        if (c.firstLayerKept) {
            EXPECT_EQ(read[6].bFlags, kRecordMeasured);
            EXPECT_EQ(read[8].bFlags, kRecordMeasured | kRecordNoValue);
        }
        EXPECT_TRUE(f.op.Messages().empty());
    }
}

TEST(PrepareChannel, ALogShorterThanTheMeasurementsBeforeIsStillRefused) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(3, 7)));
    auto log = ThreeLayerLog();
    ASSERT_TRUE(WriteMsrLogFile(f.store, 0, log.data(), 0, 4));
    MeasFileData d;
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(0, d), ChannelPrepareResult::Failed);
    EXPECT_EQ(f.op.Texts(),
              std::vector<std::string>{"Data can't be read, or some error in the data."});
}

TEST(PrepareChannel, CompleteCountsAreLeftAloneAndNewChannelsNeedTheWizard) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(1, MakeCondition(2, 4)));
    MeasFileData d;
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(1, d), ChannelPrepareResult::Ready);
    EXPECT_EQ(d.nItemCt, 4u);
    EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(1)));

    EXPECT_EQ(f.store.PrepareChannelForMeasurement(2, d), ChannelPrepareResult::NeedsWizard);
    EXPECT_EQ(d.bUnit, 1);
    EXPECT_FLOAT_EQ(d.fAlloyCoefSn, 0.25f);
    EXPECT_FLOAT_EQ(d.fAlloyCoefCu, 0.323f);
    EXPECT_EQ(GetCoatCount(d), 0);

    MeasFileData incomplete = MakeCondition(1);
    incomplete.coat[0].bSolution = 0;
    ASSERT_TRUE(f.store.WriteConditionFile(3, incomplete));
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(3, d), ChannelPrepareResult::NeedsWizard);
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(PrepareChannel, AConditionWrittenSinceTheStartEntersTheChannelTable) {
    StoreFixture f;
    const MeasFileData other = MakeCondition(2, 0);
    test::WriteTestFile(f.store.MakeConditionFileName(4),
                        std::string(reinterpret_cast<const char*>(&other), sizeof other));
    ASSERT_FALSE(f.store.Channels().Exists(4));
    MeasFileData d;
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(4, d), ChannelPrepareResult::Ready);
    EXPECT_TRUE(f.store.Channels().Exists(4));
    EXPECT_FALSE(f.store.Channels().HasData(4));
}

TEST(PrepareChannel, MissingLogOrBadIndexFailsWithTheMessageAndKeepsTheRecord) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(3, 7)));
    MeasFileData d = MakeCondition(1, 1);
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(0, d), ChannelPrepareResult::Failed);
    EXPECT_EQ(f.op.Texts(), std::vector<std::string>{"The file can't be found."});
    EXPECT_EQ(d.nItemCt, 1u);
    MeasFileData onDisk;
    ASSERT_TRUE(f.store.ReadConditionFile(0, onDisk, true));
    EXPECT_EQ(onDisk.nItemCt, 7u);

    f.op.Clear();
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(50, d), ChannelPrepareResult::Failed);
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(-1, d), ChannelPrepareResult::Failed);
    EXPECT_EQ(f.op.Texts().size(), 2u);
    EXPECT_EQ(d.nItemCt, 1u);
}

}  // namespace
}  // namespace klv
