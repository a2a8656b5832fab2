// What selecting a channel makes of the end of its log after an interrupted measurement.
#include "reference/interrupted_measurement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "base/file_io.h"
#include "reference/condition_store.h"
#include "reference/condition_store_test_support.h"
#include "reference/msr_log_file.h"

namespace klv {
namespace {

using test::MakeCondition;
using test::StoreFixture;

const std::uint16_t kDay = PackDate(2026, 12, 9);
const MsrLogRecord S{1.5f, kRecordMeasured, 0, kDay};                // a stored layer
const MsrLogRecord R{0.0f, kRecordNoValue, 0, 0};                    // reserved, not measured
const MsrLogRecord N{0.0f, 0, 0, 0};                                 // a write that never landed
const MsrLogRecord V{0.0f, kRecordMeasured | kRecordNoValue, 0, 0};  // stored without value

struct Case {
    const char* what;
    int layers;
    std::vector<MsrLogRecord> log;
    std::uint32_t count;
    std::uint32_t repairedCount;
    std::vector<MsrLogRecord> repairedLog;  // empty: the log is gone
};

std::vector<MsrLogRecord> FileRecords(const ConditionStore& store) {
    const std::string bytes = test::ReadTestFile(store.MakeMsrLogFileName(0));
    std::vector<MsrLogRecord> r(bytes.size() / sizeof(MsrLogRecord));
    if (!r.empty())
        std::memcpy(r.data(), bytes.data(), r.size() * sizeof(MsrLogRecord));
    return r;
}

TEST(PrepareChannel, KeepsEveryStoredLayerAndDropsWhatNeverLanded) {
    const Case cases[] = {
        {"a layer never landed", 3, {S, S, S, S, N, R}, 5, 6, {S, S, S, S, V, V}},
        {"reserved records missing", 3, {S, S, S, S}, 4, 6, {S, S, S, S, V, V}},
        {"a partial one never landed", 3, {S, S, S, N, N, N}, 4, 3, {S, S, S, N, N, N}},
        {"a whole one never landed", 3, {S, S, S, N, N, N}, 6, 3, {S, S, S, N, N, N}},
        {"a complete one stays", 3, {S, S, S}, 3, 3, {S, S, S}},
        {"the only one never landed", 2, {N, N}, 1, 0, {}},
    };
    for (const Case& c : cases) {
        StoreFixture f;
        MeasFileData d = MakeCondition(c.layers, c.count);
        d.wFirstDate = d.wLastDate = kDay;
        ASSERT_TRUE(f.store.WriteConditionFile(0, d));
        ASSERT_TRUE(
            WriteMsrLogFile(f.store, 0, c.log.data(), 0, static_cast<std::uint32_t>(c.log.size())));

        EXPECT_EQ(f.store.PrepareChannelForMeasurement(0, d), ChannelPrepareResult::Ready)
            << c.what;
        EXPECT_EQ(d.nItemCt, c.repairedCount) << c.what;
        MeasFileData onDisk;
        ASSERT_TRUE(f.store.ReadConditionFile(0, onDisk, true));
        EXPECT_EQ(onDisk.nItemCt, c.repairedCount) << c.what;
        const std::uint16_t date = c.repairedCount == 0 ? 0 : kDay;
        EXPECT_EQ(onDisk.wFirstDate, date) << c.what;
        EXPECT_EQ(onDisk.wLastDate, date) << c.what;
        const auto after = FileRecords(f.store);
        ASSERT_EQ(after.size(), c.repairedLog.size()) << c.what;
        if (!after.empty()) {
            EXPECT_EQ(std::memcmp(after.data(), c.repairedLog.data(), after.size() * sizeof S), 0)
                << c.what;
        }
        EXPECT_TRUE(f.op.Messages().empty()) << c.what;
    }
}

TEST(PrepareChannel, NothingToCompleteWithoutLayersOrWithoutData) {
    StoreFixture f;
    const MeasFileData cases[] = {MakeCondition(0, 3), MakeCondition(2, 0)};
    for (const MeasFileData& before : cases) {
        MeasFileData d = before;
        EXPECT_TRUE(CompleteInterruptedMeasurement(f.store, 0, d));
        EXPECT_EQ(std::memcmp(&d, &before, sizeof d), 0);
        EXPECT_FALSE(FileExists(f.store.MakeMsrLogFileName(0)));
    }
}

}  // namespace
}  // namespace klv
