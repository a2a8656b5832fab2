#include "reference/condition_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "base/byte_image.h"
#include "base/file_io.h"
#include "reference/coating_table.h"
#include "reference/condition_store_test_support.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::MakeCondition;
using test::StoreFixture;

const char kNotFound[] = "The file can't be found.";
const char kUnreadable[] = "Data can't be read, or some error in the data.";
const char kNotMade[] = "The file can't be made.";
const char kNotInput[] = "The data can't be input";

std::string Image(const MeasFileData& d) {
    auto bytes = ToBytes(d);
    return std::string(bytes.begin(), bytes.end());
}

bool IsZero(const MeasFileData& d) {
    MeasFileData z;
    std::memset(&z, 0, sizeof z);
    return std::memcmp(&z, &d, sizeof d) == 0;
}

TEST(ConditionStoreNames, ChannelNumberIsIndexPlusOneAndOutOfRangeHasNoName) {
    test::ScriptedOperator op;
    ConditionStore store("/data", op);
    EXPECT_EQ(store.MakeConditionFileName(0), "/data/KlvMeasF/MeasF001.dat");
    EXPECT_EQ(store.MakeMsrLogFileName(0), "/data/KlvMeasD/MeasD001.dat");
    EXPECT_EQ(store.MakeConditionFileName(49), "/data/KlvMeasF/MeasF050.dat");
    EXPECT_EQ(store.MakeConditionFileName(50), "");
    EXPECT_EQ(store.MakeMsrLogFileName(-1), "");
    ConditionStore here("", op);
    EXPECT_EQ(here.MakeConditionFileName(1), "KlvMeasF/MeasF002.dat");
}

TEST(ConditionStoreDirectories, CreatedOnceAndExistingCountsAsSuccess) {
    test::TempDir dir;
    test::ScriptedOperator op;
    ConditionStore store(dir.Path(), op);
    EXPECT_TRUE(store.CreateConditionDirectories());
    EXPECT_TRUE(DirectoryExists(dir.File("KlvMeasF")));
    EXPECT_TRUE(DirectoryExists(dir.File("KlvMeasD")));
    EXPECT_TRUE(store.CreateConditionDirectories());
    ConditionStore nowhere(dir.File("missing/deeper"), op);
    EXPECT_FALSE(nowhere.CreateConditionDirectories());
    // A file where the condition folder belongs fails the pair, though the log folder is made.
    test::TempDir blocked;
    test::WriteTestFile(blocked.File("KlvMeasF"), "x");
    ConditionStore half(blocked.Path(), op);
    EXPECT_FALSE(half.CreateConditionDirectories());
    EXPECT_TRUE(DirectoryExists(blocked.File("KlvMeasD")));
}

TEST(ConditionStoreWrite, WritesExactImageAndKeepsTableCurrent) {
    StoreFixture f;
    MeasFileData d = MakeCondition(2, 4);
    ASSERT_TRUE(f.store.WriteConditionFile(3, d));
    EXPECT_EQ(test::ReadTestFile(f.store.MakeConditionFileName(3)), Image(d));
    EXPECT_TRUE(f.store.Channels().Exists(3));
    EXPECT_TRUE(f.store.Channels().HasData(3));
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(ConditionStoreWrite, RecordCountZeroDeletesTheLogAndClearsHasData) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(1, 2)));
    test::WriteTestFile(f.store.MakeMsrLogFileName(0), std::string(16, '\0'));
    ASSERT_TRUE(f.store.WriteConditionFile(0, MakeCondition(1, 0)));
    EXPECT_FALSE(FileExists(f.dir.File("KlvMeasD/MeasD001.dat")));
    EXPECT_TRUE(f.store.Channels().Exists(0));
    EXPECT_FALSE(f.store.Channels().HasData(0));
}

TEST(ConditionStoreWrite, FailuresShowTheMessageAndKeepOldFileAndFlags) {
    StoreFixture f;
    MeasFileData old = MakeCondition(1, 1);
    ASSERT_TRUE(f.store.WriteConditionFile(5, old));

    MeasFileData garbage = MakeCondition(1, 0);
    garbage.coat[0].bRange = 99;
    EXPECT_FALSE(f.store.WriteConditionFile(5, garbage));
    EXPECT_FALSE(f.store.WriteConditionFile(50, old));
    ASSERT_EQ(f.op.Texts(), (std::vector<std::string>{kNotInput, kNotMade}));
    EXPECT_EQ(f.op.Messages()[0].icon, MsgIcon::Stop);
    EXPECT_EQ(test::ReadTestFile(f.store.MakeConditionFileName(5)), Image(old));
    EXPECT_TRUE(f.store.Channels().HasData(5));

    f.op.Clear();
    test::TempDir other;
    ConditionStore noFolders(other.Path(), f.op);
    EXPECT_FALSE(noFolders.WriteConditionFile(0, old));
    EXPECT_EQ(f.op.Texts(), std::vector<std::string>{kNotMade});
    EXPECT_FALSE(noFolders.Channels().Exists(0));
}

TEST(ConditionStoreWrite, RewriteLeavesNoTemporaryFiles) {
    StoreFixture f;
    for (std::uint32_t n = 0; n < 3; ++n)
        ASSERT_TRUE(f.store.WriteConditionFile(1, MakeCondition(1, n)));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(f.dir.File("KlvMeasF")))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"MeasF002.dat"});
    EXPECT_EQ(FileSize(f.store.MakeConditionFileName(1)), 560);
}

TEST(ConditionStoreRead, MissingShortAndGarbageFilesAreRefusedAndZeroed) {
    StoreFixture f;
    MeasFileData good = MakeCondition(2, 2);
    std::string image = Image(good);
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    };
    std::vector<Case> cases = {
        {"short 559", image.substr(0, 559), kUnreadable},
        {"empty", "", kUnreadable},
    };
    MeasFileData noLayers = MakeCondition(0, 7);
    cases.push_back({"record count without layers", Image(noLayers), kUnreadable});
    MeasFileData unterminated = good;
    std::memset(unterminated.szLotNo, 'x', sizeof unterminated.szLotNo);
    cases.push_back({"unterminated text", Image(unterminated), kUnreadable});
    MeasFileData gap = good;
    gap.coat[3] = gap.coat[0];
    cases.push_back({"layer after an empty one", Image(gap), kUnreadable});
    MeasFileData tooMany = good;
    tooMany.nItemCt = kMaxMeasurements * 2 + 1;
    cases.push_back({"more records than measurements allowed", Image(tooMany), kUnreadable});
    MeasFileData nan = good;
    nan.coat[1].fCurrent = std::nanf("");
    cases.push_back({"current not a number", Image(nan), kUnreadable});
    MeasFileData blanking = good;
    blanking.coat[1].bBlanking = 66;  // more than the instrument's millisecond word carries
    cases.push_back({"blanking too long", Image(blanking), kUnreadable});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.op.Clear();
        test::WriteTestFile(f.store.MakeConditionFileName(0), c.bytes);
        MeasFileData d = good;
        EXPECT_FALSE(f.store.ReadConditionFile(0, d, true));
        EXPECT_TRUE(IsZero(d));
        EXPECT_EQ(f.op.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(f.op.Messages()[0].icon, MsgIcon::Stop);
    }

    f.op.Clear();
    MeasFileData d = good;
    EXPECT_FALSE(f.store.ReadConditionFile(7, d, true));
    EXPECT_FALSE(f.store.ReadConditionFile(50, d, true));
    EXPECT_EQ(f.op.Texts(), (std::vector<std::string>{kNotFound, kNotFound}));
    EXPECT_TRUE(IsZero(d));

    f.op.Clear();
    EXPECT_FALSE(f.store.ReadConditionFile(7, d, false));
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(ConditionStoreRead, EachCodeIsSoundUpToItsLastValueAndNotOneBeyond) {
    using Edit = void (*)(MeasFileData&, int);
    struct Case {
        const char* field;
        int last;
        Edit set;
    };
    const Case cases[] = {
        {"base", 34, [](MeasFileData& d, int v) { d.bBaseCode = static_cast<std::uint8_t>(v); }},
        {"unit", 4, [](MeasFileData& d, int v) { d.bUnit = static_cast<std::uint8_t>(v); }},
        {"gasket", 4, [](MeasFileData& d, int v) { d.bGasket = static_cast<std::uint8_t>(v); }},
        {"content", 100, [](MeasFileData& d, int v) { d.bContent = static_cast<std::uint8_t>(v); }},
        {"wt mode", 4, [](MeasFileData& d, int v) { d.bWtMode = static_cast<std::uint8_t>(v); }},
        {"stat mode", 2,
         [](MeasFileData& d, int v) { d.bStatMode = static_cast<std::uint8_t>(v); }},
        // Two layers hold at most 99,999 measurements.
        {"records", 2 * 99999,
         [](MeasFileData& d, int v) { d.nItemCt = static_cast<std::uint32_t>(v); }},
    };
    for (const Case& c : cases) {
        MeasFileData d = MakeCondition(2, 0);
        c.set(d, c.last);
        EXPECT_TRUE(IsSoundCondition(d)) << c.field;
        c.set(d, c.last + 1);
        EXPECT_FALSE(IsSoundCondition(d)) << c.field;
    }
    MeasFileData d = MakeCondition(2, 0);
    d.nStatTotal = 0;
    EXPECT_TRUE(IsSoundCondition(d));
    d.nStatTotal = -1;
    EXPECT_FALSE(IsSoundCondition(d));
}

TEST(ConditionStoreRead, RandomBytesNeverCrashAndSoundOnesGiveUsableCounts) {
    StoreFixture f;
    std::mt19937 rng(570);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(560, '\0');
        for (char& b : bytes)
            b = static_cast<char>(rng());
        // Keep some rounds close to a real condition so that the checks past the codes run.
        if (round % 2 == 0) {
            std::string base = Image(MakeCondition(3, 6));
            for (int i = 0; i < 3; ++i)
                base[rng() % 560] = static_cast<char>(rng());
            bytes = base;
        }
        test::WriteTestFile(f.store.MakeConditionFileName(2), bytes);
        MeasFileData d;
        if (f.store.ReadConditionFile(2, d, false)) {
            int layers = GetCoatCount(d);
            EXPECT_TRUE(d.nItemCt == 0 || layers > 0);
            EXPECT_LE(GetDataQuantity(d), kMaxMeasurements);
            EXPECT_TRUE(IsSoundCondition(d));
        } else {
            EXPECT_TRUE(IsZero(d));
        }
    }
}

TEST(ConditionStoreRead, LegacyBlankingMovesIntoTheUsedLayers) {
    StoreFixture f;
    MeasFileData d = MakeCondition(3);
    d.bOldBlanking = 7;
    test::WriteTestFile(f.store.MakeConditionFileName(0), Image(d));
    MeasFileData read;
    ASSERT_TRUE(f.store.ReadConditionFile(0, read, true));
    EXPECT_EQ(read.bOldBlanking, 255);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(read.coat[k].bBlanking, 7);
    EXPECT_EQ(read.coat[3].bBlanking, 0);

    d.bOldBlanking = 66;  // would become a blanking time the instrument cannot take
    test::WriteTestFile(f.store.MakeConditionFileName(0), Image(d));
    EXPECT_FALSE(f.store.ReadConditionFile(0, read, false));
}

TEST(ConditionStoreScan, FindsReadableAndUnreadableChannelsSilently) {
    StoreFixture f;
    ConditionStore writer(f.dir.Path(), f.op);
    ASSERT_TRUE(writer.WriteConditionFile(0, MakeCondition(1, 0)));
    ASSERT_TRUE(writer.WriteConditionFile(49, MakeCondition(2, 3)));
    test::WriteTestFile(f.store.MakeConditionFileName(10),
                        Image(MakeCondition(1, 1)).substr(0, 559));
    test::WriteTestFile(f.dir.File("KlvMeasF/MeasF051.dat"), Image(MakeCondition(1, 1)));
    f.store.Channels().Set(20, true, true);  // stale entries are cleared

    f.store.ScanChannels();
    for (int i = 0; i < kChannelCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f.store.Channels().Exists(i), i == 0 || i == 49);
        EXPECT_EQ(f.store.Channels().HasData(i), i == 49);
        EXPECT_EQ(f.store.Channels().Unreadable(i), i == 10);
    }
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(ConditionStoreDelete, RemovesBothFilesAndFlags) {
    StoreFixture f;
    ASSERT_TRUE(f.store.WriteConditionFile(4, MakeCondition(1, 1)));
    test::WriteTestFile(f.store.MakeMsrLogFileName(4), std::string(8, '\0'));
    f.store.DeleteChannel(4);
    f.store.DeleteChannel(4);
    f.store.DeleteChannel(77);
    EXPECT_FALSE(FileExists(f.store.MakeConditionFileName(4)));
    EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(4)));
    EXPECT_FALSE(f.store.Channels().Exists(4));
    EXPECT_TRUE(f.op.Messages().empty());
}

TEST(ConditionStoreErase, YesErasesCountAndDatesNoKeepsEverything) {
    StoreFixture f;
    MeasFileData d = MakeCondition(1, 3);
    d.wFirstDate = PackDate(2026, 1, 2);
    d.wLastDate = PackDate(2026, 12, 9);
    ASSERT_TRUE(f.store.WriteConditionFile(0, d));
    test::WriteTestFile(f.store.MakeMsrLogFileName(0), std::string(24, '\0'));

    f.op.Answer(IDNO);
    EXPECT_FALSE(f.store.EraseChannelData(d, 0));
    EXPECT_EQ(d.nItemCt, 3u);
    EXPECT_TRUE(FileExists(f.store.MakeMsrLogFileName(0)));

    f.op.Answer(IDYES);
    EXPECT_TRUE(f.store.EraseChannelData(d, 0));
    EXPECT_EQ(d.nItemCt, 0u);
    EXPECT_EQ(d.wFirstDate, 0);
    EXPECT_EQ(d.wLastDate, 0);
    EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(0)));
    EXPECT_FALSE(f.store.Channels().HasData(0));
    ASSERT_EQ(f.op.Messages().size(), 2u);
    EXPECT_EQ(f.op.Messages()[0].text, "Delete all measurement data of this file.  \n\n Is it OK?");
    EXPECT_EQ(f.op.Messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.op.Messages()[0].buttons, MsgButtons::YesNo);
}

TEST(ConditionStoreErase, FailedWriteLeavesTheCallersRecord) {
    StoreFixture f;
    MeasFileData d = MakeCondition(1, 3);
    f.op.Answer(IDYES);
    EXPECT_FALSE(f.store.EraseChannelData(d, 50));
    EXPECT_EQ(d.nItemCt, 3u);
    EXPECT_EQ(f.op.Texts().back(), kNotMade);
}

TEST(ConditionStoreRead, FreeNameCoatingAndAlloyLayerAreSoundCodes) {
    StoreFixture f;
    MeasFileData d = MakeCondition(3);
    d.coat[0].bCode = kFreeNameCoatingCode;
    d.coat[1].bCode = kAlloyLayerCode;
    ASSERT_TRUE(f.store.WriteConditionFile(2, d));
    MeasFileData read;
    EXPECT_TRUE(f.store.ReadConditionFile(2, read, true));
    EXPECT_EQ(read.coat[0].bCode, kFreeNameCoatingCode);
    EXPECT_TRUE(f.op.Messages().empty());
}

}  // namespace
}  // namespace klv
