// Damaged and hostile condition and log files: never taken for an empty channel, never hung on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>

#include "base/byte_image.h"
#include "base/file_io.h"
#include "reference/condition_store.h"
#include "reference/condition_store_test_support.h"
#include "reference/msr_log_file.h"

namespace klv {
namespace {

using test::MakeCondition;

const char kUnreadable[] = "Data can't be read, or some error in the data.";
constexpr int kChannel = 2;

std::string Image(const MeasFileData& d) {
    auto bytes = ToBytes(d);
    return std::string(bytes.begin(), bytes.end());
}

// A channel with a condition and four stored records; the hang guard turns a wait on a FIFO
// into a failed run.
struct DamageFixture : test::StoreFixture {
    MeasFileData good = MakeCondition(2, 4);
    std::string log = std::string(32, '\x11');

    DamageFixture() {
        ::alarm(20);
        EXPECT_TRUE(store.WriteConditionFile(kChannel, good));
        test::WriteTestFile(LogPath(), log);
    }
    ~DamageFixture() { ::alarm(0); }
    std::string Path() const { return store.MakeConditionFileName(kChannel); }
    std::string LogPath() const { return store.MakeMsrLogFileName(kChannel); }
    std::vector<std::string> Folders() const {
        return {dir.Path(), dir.File("KlvMeasF"), dir.File("KlvMeasD")};
    }
    void Run(const test::FileDamage& kind, const std::function<void()>& check) {
        if (kind.unprivileged)
            EXPECT_TRUE(test::RunUnprivileged(Folders(), check));
        else
            check();
    }
};

TEST(ConditionStoreDamage, AConditionThatCannotBeReadIsListedUnreadableAndNeverOverwritten) {
    for (const test::FileDamage& kind : test::DamagedConditionFiles()) {
        SCOPED_TRACE(kind.what);
        DamageFixture f;
        kind.apply(f.Path(), Image(f.good));
        const std::string before = test::DescribeEntry(f.Path());
        f.Run(kind, [&] {
            ConditionStore store(f.dir.Path(), f.op);
            store.ScanChannels();
            EXPECT_FALSE(store.Channels().Exists(kChannel));
            EXPECT_TRUE(store.Channels().Unreadable(kChannel));
            MeasFileData d = f.good;
            EXPECT_EQ(store.PrepareChannelForMeasurement(kChannel, d),
                      ChannelPrepareResult::Failed);
            EXPECT_FALSE(store.WriteConditionFile(kChannel, MakeCondition(1)));
            EXPECT_EQ(f.op.Texts(), (std::vector<std::string>{kUnreadable, kUnreadable}));
        });
        EXPECT_EQ(test::DescribeEntry(f.Path()), before);
        EXPECT_EQ(test::ReadTestFile(f.LogPath()), f.log);
    }
}

TEST(ConditionStoreDamage, AFileDamagedAfterTheStartIsNotTakenForANewChannelEither) {
    DamageFixture f;
    f.store.ScanChannels();
    test::WriteTestFile(f.Path(), "");
    MeasFileData d;
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(kChannel, d), ChannelPrepareResult::Failed);
    EXPECT_TRUE(f.store.Channels().Unreadable(kChannel));
    // One that appeared since the start is read, not overwritten.
    test::WriteTestFile(f.store.MakeConditionFileName(7), "x");
    EXPECT_EQ(f.store.PrepareChannelForMeasurement(7, d), ChannelPrepareResult::Failed);
    EXPECT_EQ(f.op.Texts(), (std::vector<std::string>{kUnreadable, kUnreadable}));
    EXPECT_EQ(test::ReadTestFile(f.store.MakeConditionFileName(7)), "x");
}

TEST(ConditionStoreDamage, EveryFlippedBitLeavesTheChannelReadOrUnreadableNeverEmpty) {
    DamageFixture f;
    const std::string image = Image(f.good);
    for (std::size_t byte = 0; byte < image.size(); ++byte) {
        std::string bytes = image;
        bytes[byte] = static_cast<char>(bytes[byte] ^ (1 << (byte % 8)));
        test::WriteTestFile(f.Path(), bytes);
        f.store.ScanChannels();
        EXPECT_NE(f.store.Channels().Exists(kChannel), f.store.Channels().Unreadable(kChannel))
            << byte;
    }
}

TEST(ConditionStoreDamage, ABrokenLogPathIsRefusedWithTheReadErrorAndLeftAsItWas) {
    for (const test::FileDamage& kind : test::NonRegularFiles()) {
        SCOPED_TRACE(kind.what);
        DamageFixture f;
        kind.apply(f.LogPath(), f.log);
        const std::string before = test::DescribeEntry(f.LogPath());
        MsrLogRecord r[4];
        EXPECT_FALSE(ReadMsrLogFile(f.store, kChannel, r, 0, 4, true));
        EXPECT_EQ(f.op.Texts(), std::vector<std::string>{kUnreadable});
        EXPECT_FALSE(WriteMsrLogFile(f.store, kChannel, r, 4, 1));
        EXPECT_FALSE(TruncateMsrLogFile(f.store, kChannel, 1));
        EXPECT_EQ(test::DescribeEntry(f.LogPath()), before);
    }
}

TEST(ConditionStoreRead, WhatTheProgramItselfWroteIsRead) {
    DamageFixture f;
    struct Case {
        const char* what;
        std::function<void(MeasFileData&)> change;
    };
    const Case cases[] = {
        {"limits not a number or infinite",
         [](MeasFileData& d) {
             d.limits[0].fUpperLimit = std::nanf("");
             d.limits[4].fLowerLimit = -INFINITY;
         }},
        {"legacy blanking above 40", [](MeasFileData& d) { d.bOldBlanking = 41; }},
        {"longest blanking of the instrument", [](MeasFileData& d) { d.coat[1].bBlanking = 65; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MeasFileData written = f.good;
        c.change(written);
        test::WriteTestFile(f.Path(), Image(written));
        MeasFileData d;
        ASSERT_TRUE(f.store.ReadConditionFile(kChannel, d, true));
        MigrateLegacyBlanking(written);
        EXPECT_EQ(Image(d), Image(written));
        EXPECT_TRUE(f.store.WriteConditionFile(kChannel, d));
    }
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(ConditionStoreRead, ALongerFileIsItsFirst560BytesAndARewriteDropsTheRest) {
    DamageFixture f;
    test::WriteTestFile(f.Path(), Image(f.good) + "tail");
    f.store.ScanChannels();
    EXPECT_TRUE(f.store.Channels().HasData(kChannel));
    MeasFileData d;
    ASSERT_TRUE(f.store.ReadConditionFile(kChannel, d, true));
    EXPECT_EQ(Image(d), Image(f.good));
    ASSERT_TRUE(f.store.WriteConditionFile(kChannel, d));
    EXPECT_EQ(test::ReadTestFile(f.Path()), Image(f.good));
}

}  // namespace
}  // namespace klv
