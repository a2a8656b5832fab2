#include "reference/msr_log_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/file_io.h"
#include "reference/condition_store_test_support.h"

namespace klv {
namespace {

using test::StoreFixture;

MsrLogRecord Rec(float v, std::uint8_t flags = kRecordMeasured) {
    return MsrLogRecord{v, flags, 0, PackDate(2026, 12, 9)};
}

TEST(MsrLogFile, PositionedWritesNeverTruncateAndReadBack) {
    StoreFixture f;
    MsrLogRecord first[3] = {Rec(1), Rec(2), Rec(3)};
    ASSERT_TRUE(WriteMsrLogFile(f.store, 0, first, 0, 3));
    MsrLogRecord second = Rec(9);
    ASSERT_TRUE(WriteMsrLogFile(f.store, 0, &second, 1, 1));
    EXPECT_EQ(FileSize(f.store.MakeMsrLogFileName(0)), 24);

    MsrLogRecord back[3];
    ASSERT_TRUE(ReadMsrLogFile(f.store, 0, back, 0, 3, true));
    EXPECT_EQ(back[0].lMeasValue, 1.0f);
    EXPECT_EQ(back[1].lMeasValue, 9.0f);
    EXPECT_EQ(back[2].lMeasValue, 3.0f);
    EXPECT_EQ(back[2].wDate, PackDate(2026, 12, 9));
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(MsrLogFile, ReadFailuresHaveTheirMessagesAndZeroTheDestination) {
    StoreFixture f;
    MsrLogRecord r[2] = {Rec(5), Rec(6)};
    EXPECT_FALSE(ReadMsrLogFile(f.store, 0, r, 0, 1, true));
    EXPECT_EQ(r[0].lMeasValue, 0.0f);
    ASSERT_TRUE(WriteMsrLogFile(f.store, 0, r, 0, 2));
    EXPECT_FALSE(ReadMsrLogFile(f.store, 0, r, 1, 2, true));  // beyond the end
    EXPECT_FALSE(ReadMsrLogFile(f.store, 50, r, 0, 1, true));
    EXPECT_FALSE(ReadMsrLogFile(f.store, 0, r, 5, 1, false));
    EXPECT_EQ(f.op.Texts(),
              (std::vector<std::string>{"The file can't be found.",
                                        "Data can't be read, or some error in the data.",
                                        "The file can't be found."}));
    EXPECT_EQ(f.op.Messages()[1].icon, MsgIcon::Stop);
}

TEST(MsrLogFile, GarbageRecordsAreRefused) {
    StoreFixture f;
    std::vector<MsrLogRecord> bad = {Rec(std::nanf("")), Rec(1, 0x01), Rec(1)};
    bad[2].wDate = static_cast<std::uint16_t>((46 << 9) | (13 << 5) | 1);  // month 13
    for (const MsrLogRecord& b : bad) {
        ASSERT_TRUE(WriteMsrLogFile(f.store, 1, &b, 0, 1));
        MsrLogRecord r = Rec(4);
        EXPECT_FALSE(ReadMsrLogFile(f.store, 1, &r, 0, 1, false));
        EXPECT_EQ(r.bFlags, 0);
    }
    MsrLogRecord reserved{0.0f, kRecordNoValue, 0, 0};
    ASSERT_TRUE(WriteMsrLogFile(f.store, 1, &reserved, 0, 1));
    EXPECT_TRUE(ReadMsrLogFile(f.store, 1, &reserved, 0, 1, false));
}

TEST(MsrLogFile, WriteFailureIsAlwaysReported) {
    StoreFixture f;
    MsrLogRecord r = Rec(1);
    EXPECT_FALSE(WriteMsrLogFile(f.store, 50, &r, 0, 1));
    RemoveFile(f.dir.File("KlvMeasD/MeasD001.dat"));
    ::rmdir(f.dir.File("KlvMeasD").c_str());
    EXPECT_FALSE(WriteMsrLogFile(f.store, 0, &r, 0, 1));
    EXPECT_EQ(f.op.Texts(),
              (std::vector<std::string>{"The file can't be made.", "The file can't be made."}));
}

TEST(MsrLogFile, TruncateSetsTheLengthAndZeroDeletes) {
    StoreFixture f;
    MsrLogRecord r[4] = {Rec(1), Rec(2), Rec(3), Rec(4)};
    ASSERT_TRUE(WriteMsrLogFile(f.store, 2, r, 0, 4));
    ASSERT_TRUE(TruncateMsrLogFile(f.store, 2, 3));
    EXPECT_EQ(FileSize(f.store.MakeMsrLogFileName(2)), 24);
    ASSERT_TRUE(TruncateMsrLogFile(f.store, 2, 0));
    EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(2)));
    EXPECT_TRUE(f.op.Messages().empty());

    EXPECT_FALSE(TruncateMsrLogFile(f.store, 2, 1));
    EXPECT_FALSE(TruncateMsrLogFile(f.store, -3, 1));
    EXPECT_EQ(f.op.Texts(),
              (std::vector<std::string>{"The file can't be found.", "The file can't be found."}));
}

TEST(PackedDates, PlausibleOnlyWithRealMonthsAndDays) {
    EXPECT_TRUE(IsPlausiblePackedDate(0));
    EXPECT_TRUE(IsPlausiblePackedDate(PackDate(2099, 12, 31)));
    EXPECT_TRUE(IsPlausiblePackedDate(PackDate(1980, 1, 1)));
    EXPECT_FALSE(IsPlausiblePackedDate(PackDate(2026, 13, 5)));
    EXPECT_FALSE(IsPlausiblePackedDate(PackDate(2026, 0, 5)));
    EXPECT_FALSE(IsPlausiblePackedDate(PackDate(2026, 5, 0)));
}

TEST(PackedDates, YearsOutsideTheFieldAreClampedTo1980And2099) {
    // Year - 1980 in bits 15-9, month in bits 8-5, day in bits 4-0.
    EXPECT_EQ(PackDate(2099, 12, 31), 0xEF9F);
    EXPECT_EQ(PackDate(2100, 1, 1), 0xEE21);
    EXPECT_EQ(PackDate(2400, 1, 1), 0xEE21);
    EXPECT_EQ(PackDate(1980, 6, 15), 0x00CF);
    EXPECT_EQ(PackDate(1979, 6, 15), 0x00CF);
    const Date last = UnpackDate(0xEF9F);
    EXPECT_EQ(last.year, 2099);
    EXPECT_EQ(last.month, 12);
    EXPECT_EQ(last.day, 31);
}

}  // namespace
}  // namespace klv
