#include "stats/form_groups.h"

#include <gtest/gtest.h>

#include "reference/condition_store.h"
#include "results/measurement_log.h"
#include "stats_test_support.h"
#include "support/failing_allocation.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Measured;
using test::NickelCopper;
using test::StoredLog;

StatisticsSelection Select(GroupMode mode) {
    return {mode, 0, 99998, 0, 1, 1};
}

// Data number n (1-based) holds n µm in the first layer and 100 + n in the second.
StoredLog Numbered(int count) {
    StoredLog log;
    for (int n = 1; n <= count; ++n)
        log.Add({Measured(static_cast<float>(n)), Measured(100.0f + static_cast<float>(n))});
    return log;
}

std::vector<float> FirstLayer(const FormedData& f) {
    std::vector<float> values;
    for (std::uint32_t i = 0; i < f.nDataCt; ++i)
        values.push_back(f.items[i * 2].lMeasValue);
    return values;
}

struct Forming : ::testing::Test {
    MeasFileData d = NickelCopper();
    test::ScriptedOperator op;

    FormedData Form(const StoredLog& log, const StatisticsSelection& s) {
        d.nItemCt = static_cast<std::uint32_t>(log.items.size());
        return FormStatisticsData(d, log.items, s, op);
    }
};

TEST_F(Forming, AllDataCountsCompleteDataOnly) {
    StoredLog log = Numbered(3);
    log.Add({Measured(9.0f)});  // a fourth data with its first layer only
    const FormedData f = Form(log, Select(GroupMode::AllData));
    EXPECT_EQ(f.nDataCt, 3u);
    EXPECT_EQ(FirstLayer(f), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(f.items[5].lMeasValue, 103.0f);
    EXPECT_FALSE(f.bXbarR);
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(Forming, PartialAndRegularSelectionsStopAtTheLastCompleteData) {
    struct Case {
        StatisticsSelection s;
        int data;
        std::vector<float> selected;
    };
    const Case cases[] = {
        // 3 to 7 as entered on 5 data: 3, 4 and 5.
        {{GroupMode::PartialData, 2, 6, 0, 1, 1}, 5, {3, 4, 5}},
        {{GroupMode::PartialData, 0, 0, 0, 1, 1}, 5, {1}},
        {{GroupMode::PartialData, 5, 9, 0, 1, 1}, 5, {}},   // begins past the end
        {{GroupMode::PartialData, 0, -1, 0, 1, 1}, 0, {}},  // opened on no data
        // Beginning 2, interval 3 on 10 data: 2, 5 and 8.
        {{GroupMode::RegularInterval, 0, 0, 1, 3, 1}, 10, {2, 5, 8}},
        {{GroupMode::RegularInterval, 0, 0, 0, 4, 1}, 9, {1, 5, 9}},
        {{GroupMode::RegularInterval, 0, 0, 9, 1, 1}, 9, {}},
        // An interval of 0 from a hand-edited settings file steps by one.
        {{GroupMode::RegularInterval, 0, 0, 1, 0, 1}, 3, {2, 3}},
        {{static_cast<GroupMode>(4), 0, 0, 0, 1, 1}, 3, {}},
    };
    for (const Case& c : cases) {
        const FormedData f = Form(Numbered(c.data), c.s);
        EXPECT_EQ(FirstLayer(f), c.selected) << static_cast<int>(c.s.mode) << " " << c.data;
        EXPECT_FALSE(f.bXbarR);
        EXPECT_FALSE(f.items.empty()) << "never an empty array";
    }
}

TEST_F(Forming, FixedGroupsAverageEachLayerAndTheLastGroupMayBeShort) {
    const FormedData f = Form(Numbered(10), {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 4});
    ASSERT_EQ(f.nDataCt, 3u);
    // (1+2+3+4)/4, (5+6+7+8)/4 and the short group (9+10)/2.
    EXPECT_EQ(FirstLayer(f), (std::vector<float>{2.5f, 6.5f, 9.5f}));
    EXPECT_EQ(f.items[5].lMeasValue, 109.5f);
    EXPECT_TRUE(f.bXbarR);

    EXPECT_TRUE(Form(Numbered(10), {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 1}).bXbarR)
        << "single data get the individuals chart";
    const FormedData one = Form(Numbered(3), {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 5});
    EXPECT_EQ(FirstLayer(one), (std::vector<float>{2}));
    EXPECT_FALSE(one.bXbarR) << "a single group";
    EXPECT_EQ(Form(Numbered(3), {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 0}).nDataCt, 3u)
        << "a group size of 0 forms groups of one";
}

TEST_F(Forming, AveragesLeaveOutItemsWithoutValueAndKeepTheFirstItemsDateAndFlags) {
    const std::uint16_t first = PackDate(2026, 4, 1);
    StoredLog log;
    log.Add({test::NoValue(first), test::NoValue(first)});
    log.Add({Measured(1.0f, PackDate(2026, 4, 2)), test::NoValue()});
    log.Add({Measured(2.5f), test::NoValue()});
    log.Add({MsrLogRecord{7.0f, 0, 0, 0}, test::NoValue()});  // never reached the log
    const FormedData f = Form(log, {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 4});
    ASSERT_EQ(f.nDataCt, 1u);
    EXPECT_EQ(f.items[0].lMeasValue, 1.75f);
    EXPECT_EQ(f.items[0].bFlags, kRecordMeasured) << "the no-value flag is cleared";
    EXPECT_EQ(f.items[0].wDate, first);
    EXPECT_EQ(f.items[1].lMeasValue, 0.0f);
    EXPECT_EQ(f.items[1].bFlags, kRecordMeasured | kRecordNoValue)
        << "no layer with a value: the average has none either";
}

TEST_F(Forming, DailyAveragesFollowTheDayOfEachData) {
    const std::uint16_t day1 = PackDate(2026, 5, 1);
    const std::uint16_t day2 = PackDate(2026, 5, 2);
    const std::uint16_t day3 = PackDate(2026, 5, 4);
    StoredLog log;
    log.AddEqual(2, 1.0f, day1);
    log.AddEqual(2, 2.0f, day1);
    log.AddEqual(2, 4.0f, day2);
    log.AddEqual(2, 3.0f, day3);
    log.AddEqual(2, 6.0f, day3);
    log.AddEqual(2, 9.0f, day3);
    FormedData f = Form(log, Select(GroupMode::DailyAverage));
    EXPECT_EQ(FirstLayer(f), (std::vector<float>{1.5f, 4.0f, 6.0f}));
    EXPECT_EQ(f.items[5].wDate, day3);
    EXPECT_TRUE(f.bXbarR) << "the last day has three data";

    log.AddEqual(2, 5.0f, PackDate(2026, 5, 5));
    f = Form(log, Select(GroupMode::DailyAverage));
    EXPECT_EQ(FirstLayer(f), (std::vector<float>{1.5f, 4.0f, 6.0f, 5.0f}));
    EXPECT_FALSE(f.bXbarR) << "the last day has a single data";
}

// A data measured across midnight has layers of two dates; it belongs to the day it was
// started, each of its layers is averaged once, and the forming ends.
TEST_F(Forming, DailyAveragesAcrossADateChangeBetweenLayers) {
    const std::uint16_t day1 = PackDate(2026, 5, 1);
    const std::uint16_t day2 = PackDate(2026, 5, 2);
    StoredLog log;
    log.Add({Measured(1.0f, day1), Measured(10.0f, day1)});
    log.Add({Measured(3.0f, day1), Measured(30.0f, day2)});
    log.Add({Measured(5.0f, day2), Measured(50.0f, day2)});
    log.Add({Measured(7.0f, day2), Measured(70.0f, day2)});
    const FormedData f = Form(log, Select(GroupMode::DailyAverage));
    ASSERT_EQ(f.nDataCt, 2u);
    EXPECT_EQ(f.items[0].lMeasValue, 2.0f);
    EXPECT_EQ(f.items[1].lMeasValue, 20.0f);
    EXPECT_EQ(f.items[2].lMeasValue, 6.0f);
    EXPECT_EQ(f.items[3].lMeasValue, 60.0f);
    EXPECT_TRUE(f.bXbarR);
}

TEST_F(Forming, ShortOfMemoryIsShownAndNoDataFormed) {
    for (int n : {0, 1}) {
        op.Clear();
        const StoredLog log = Numbered(4);
        d.nItemCt = 8;
        test::FailAllocation(n);
        const FormedData f =
            FormStatisticsData(d, log.items, {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 2}, op);
        test::StopFailingAllocations();
        EXPECT_EQ(f.nDataCt, 0u);
        EXPECT_FALSE(f.bXbarR);
        ASSERT_EQ(op.Messages().size(), 1u) << n;
        EXPECT_EQ(op.Messages()[0].text, "Short of memory");
        EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Stop);
    }
}

// The whole road from the measurement's storing to the statistics data of a channel.
struct StoredChannel : ::testing::Test {
    test::TempDir data;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{data.Path(), op};
    MeasFileData d = NickelCopper();
    MeasurementBuffer buffer{};
    std::vector<MsrLogRecord> stored;
    FormedData formed;

    StoredChannel() {
        store.CreateConditionDirectories();
        EXPECT_TRUE(store.WriteConditionFile(3, d));
    }
    void Measure(int day, float nickel, float copper) {
        clock.SetDate(2026, 7, day);
        EXPECT_TRUE(AddMsrLogRecord(store, clock, d, 3, buffer, 0, nickel, false));
        EXPECT_TRUE(AddMsrLogRecord(store, clock, d, 3, buffer, 1, copper, false));
    }
};

TEST_F(StoredChannel, FormsFromTheDataLog) {
    Measure(1, 1.0f, 2.0f);
    Measure(1, 2.0f, 3.0f);
    Measure(2, 5.0f, 7.0f);
    clock.SetDate(2026, 7, 3);
    ASSERT_TRUE(AddMsrLogRecord(store, clock, d, 3, buffer, 0, 9.0f, false));
    ASSERT_TRUE(FormGroups(store, 3, d, Select(GroupMode::DailyAverage), stored, formed));
    EXPECT_EQ(stored.size(), 8u) << "up to the end of the incomplete data";
    EXPECT_EQ(stored[6].lMeasValue, 9.0f);
    EXPECT_EQ(stored[7].bFlags, 0);
    ASSERT_EQ(formed.nDataCt, 2u);
    EXPECT_EQ(formed.items[0].lMeasValue, 1.5f);
    EXPECT_EQ(formed.items[1].lMeasValue, 2.5f);
    EXPECT_EQ(formed.items[2].lMeasValue, 5.0f);
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(StoredChannel, AOneLayerConditionFormsEachItemAsAData) {
    d = test::Condition({test::Layer(16, "Ni")});
    ASSERT_TRUE(store.WriteConditionFile(3, d));
    for (const float v : {1.0f, 2.0f, 6.0f})
        ASSERT_TRUE(AddMsrLogRecord(store, clock, d, 3, buffer, 0, v, false));
    ASSERT_TRUE(FormGroups(store, 3, d, Select(GroupMode::AllData), stored, formed));
    EXPECT_EQ(stored.size(), 3u);
    EXPECT_EQ(formed.nDataCt, 3u);
    ASSERT_TRUE(
        FormGroups(store, 3, d, {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 2}, stored, formed));
    ASSERT_EQ(formed.nDataCt, 2u);
    EXPECT_EQ(formed.items[0].lMeasValue, 1.5f);
    EXPECT_EQ(formed.items[1].lMeasValue, 6.0f);
}

TEST_F(StoredChannel, AFailedReadShowsTheReadersMessageAndFormsNothing) {
    d.nItemCt = 6;  // the count says three data, but no log was ever written
    EXPECT_FALSE(FormGroups(store, 3, d, Select(GroupMode::AllData), stored, formed));
    EXPECT_EQ(formed.nDataCt, 0u);
    EXPECT_EQ(op.Texts(), (std::vector<std::string>{"The file can't be found."}));

    op.Clear();
    d.nItemCt = 0;
    EXPECT_TRUE(FormGroups(store, 3, d, Select(GroupMode::AllData), stored, formed))
        << "no data needs no log";
    EXPECT_EQ(formed.nDataCt, 0u);

    op.Clear();
    Measure(1, 1.0f, 2.0f);
    stored = std::vector<MsrLogRecord>();  // its array is the next allocation
    test::FailAllocation(0);
    EXPECT_FALSE(FormGroups(store, 3, d, Select(GroupMode::AllData), stored, formed));
    test::StopFailingAllocations();
    EXPECT_EQ(op.Texts(), (std::vector<std::string>{"Short of memory"}));
}

}  // namespace
}  // namespace klv
