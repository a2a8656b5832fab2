#include "stats/statistics_session.h"

#include <gtest/gtest.h>

#include "reference/condition_store.h"
#include "stats/meas_data_rows.h"
#include "stats_test_support.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Measured;

// What the window told of its changes to the log.
struct HeardChanges final : StoredDataChanges {
    void MeasurementCorrected(const MeasFileData&, int index, std::uint32_t number,
                              std::span<const MsrLogRecord> before,
                              std::span<const MsrLogRecord> after) override {
        corrected.push_back({index, number, before[0].lMeasValue, after[0].lMeasValue});
    }
    void MeasurementsRemoved(const MeasFileData&, int, std::span<const std::uint32_t> n) override {
        removed.assign(n.begin(), n.end());
    }
    struct Correction {
        int index;
        std::uint32_t number;
        float before;
        float after;
    };
    std::vector<Correction> corrected;
    std::vector<std::uint32_t> removed;
};

// A channel of `count` single-layer copper data; data n holds n µm, measured on day n.
struct Session : ::testing::Test {
    test::TempDir dir;
    test::ScriptedOperator op;
    ConditionStore store{dir.Path(), op};
    MeasFileData d = test::Condition({test::Layer(5, "Cu")});

    void SetUp() override {
        ASSERT_TRUE(store.CreateConditionDirectories());
        ASSERT_TRUE(store.CreateMsrLogFileDirectory());
    }

    void Store(std::uint32_t count, int layers = 1) {
        std::vector<MsrLogRecord> log;
        for (std::uint32_t n = 1; n <= count; ++n)
            for (int k = 0; k < layers; ++k)
                log.push_back(
                    Measured(static_cast<float>(n), PackDate(2026, 1, static_cast<int>(n))));
        d.nItemCt = static_cast<std::uint32_t>(log.size());
        d.wFirstDate = log.front().wDate;
        d.wLastDate = log.back().wDate;
        ASSERT_TRUE(store.WriteConditionFile(0, d));
        ASSERT_TRUE(WriteMsrLogFile(store, 0, log.data(), 0, d.nItemCt));
    }
    CStatisticsSession Open() {
        CStatisticsSession s(store, d, 0, InitialStatisticsSelection(d, 1, 1));
        s.Recalculate();
        return s;
    }
    std::vector<float> Logged() {
        MeasFileData stored{};
        EXPECT_TRUE(store.ReadConditionFile(0, stored, true));
        std::vector<MsrLogRecord> log(stored.nItemCt);
        if (!log.empty()) {
            EXPECT_TRUE(ReadMsrLogFile(store, 0, log.data(), 0, stored.nItemCt, true));
        }
        std::vector<float> values;
        for (const MsrLogRecord& r : log)
            values.push_back(r.lMeasValue);
        return values;
    }
};

TEST_F(Session, DeletingOneDataRenumbersTheLaterOnes) {
    Store(10);
    CStatisticsSession s = Open();
    const std::uint32_t row[] = {3};
    ASSERT_TRUE(s.Delete(row));
    EXPECT_EQ(s.DataCount(), 9u);
    EXPECT_EQ(s.Formed().nDataCt, 9u);
    EXPECT_EQ(Logged(), (std::vector<float>{1, 2, 3, 5, 6, 7, 8, 9, 10}));
    const CMeasDataRows rows(s.Condition(), s.Stored());
    EXPECT_EQ(rows.RowCount(), 9);
    EXPECT_EQ(rows.Cell(3, 0), "   4");
    EXPECT_EQ(rows.Cell(3, 2), "2026/01/05");
    EXPECT_TRUE(s.TakeRefresh(kPageGeneral));
    EXPECT_FALSE(s.TakeRefresh(kPageGeneral));
}

TEST_F(Session, DeletingSeveralRemovesExactlyThoseInAnyOrder) {
    Store(8, 2);
    d.coat[1] = test::Layer(16, "Ni");
    ASSERT_TRUE(store.WriteConditionFile(0, d));
    CStatisticsSession s = Open();
    HeardChanges heard;
    s.SetChanges(&heard);
    const std::uint32_t rows[] = {6, 2, 6};
    EXPECT_FALSE(s.CoversAllData(2));
    ASSERT_TRUE(s.Delete(rows));
    EXPECT_EQ(heard.removed, (std::vector<std::uint32_t>{7, 3}));
    EXPECT_EQ(Logged(), (std::vector<float>{1, 1, 2, 2, 4, 4, 5, 5, 6, 6, 8, 8}));
    EXPECT_EQ(d.nItemCt, 12u);
}

TEST_F(Session, DeletingEveryDataRemovesTheLog) {
    Store(3);
    CStatisticsSession s = Open();
    EXPECT_TRUE(s.CoversAllData(3));
    EXPECT_FALSE(s.CoversAllData(2));
    const std::uint32_t rows[] = {0, 1, 2};
    ASSERT_TRUE(s.Delete(rows));
    EXPECT_EQ(d.nItemCt, 0u);
    EXPECT_EQ(s.DataCount(), 0u);
    EXPECT_TRUE(Logged().empty());
    EXPECT_EQ(s.Result().nDataCt, 0u);
}

TEST_F(Session, CorrectionWritesTheValueMarkedAsMeasured) {
    Store(3);
    d.bUnit = 3;  // mil: 25.4 µm
    ASSERT_TRUE(store.WriteConditionFile(0, d));
    CStatisticsSession s = Open();
    HeardChanges heard;
    s.SetChanges(&heard);
    const float values[] = {2.5f};
    ASSERT_TRUE(s.Correct(1, values));
    const MsrLogRecord& r = s.Stored()[1];
    EXPECT_FLOAT_EQ(r.lMeasValue, 63.5f);
    EXPECT_EQ(Logged()[1], r.lMeasValue);
    EXPECT_FALSE(s.Correct(3, values));  // no such data
    ASSERT_EQ(heard.corrected.size(), 1u);
    EXPECT_EQ(heard.corrected[0].number, 2u);
    EXPECT_EQ(heard.corrected[0].before, 2.0f);
    EXPECT_EQ(heard.corrected[0].after, 63.5f);
}

TEST(Correction, RefusesTextAndNegativeValues) {
    float v = -1.0f;
    EXPECT_EQ(CheckCorrection("1x", v), CorrectionCheck::NotNumber);
    EXPECT_EQ(CheckCorrection("-0.5", v), CorrectionCheck::Negative);
    EXPECT_EQ(v, -1.0f);
    EXPECT_EQ(CheckCorrection("0", v), CorrectionCheck::Ok);
    EXPECT_EQ(v, 0.0f);
    const MsrLogRecord stored[] = {{1.0f, kRecordMeasured | kRecordNoValue, 7, 99}};
    const float typed[] = {3.0f};
    const auto r = MakeCorrectedRecords(stored, typed, 1);
    EXPECT_EQ(r[0].bFlags, kRecordMeasured);
    EXPECT_EQ(r[0].reserved5, 7);
    EXPECT_EQ(r[0].wDate, 99);
}

TEST_F(Session, PagesNeedEnoughStatisticsData) {
    Store(1);
    CStatisticsSession one = Open();
    EXPECT_TRUE(one.IsPageEnabled(kPageGeneral));
    EXPECT_TRUE(one.IsPageEnabled(kPageMeasData));
    EXPECT_FALSE(one.IsPageEnabled(kPageHistogram));
    EXPECT_FALSE(one.IsPageEnabled(kPageProfile));
    Store(6);
    CStatisticsSession s = Open();
    EXPECT_TRUE(s.IsPageEnabled(kPageHistogram));
    EXPECT_FALSE(s.IsPageEnabled(kPageXbarR));
    s.Selection().mode = GroupMode::FixedGroupAverage;
    s.Selection().nGroupSize = 2;
    s.Recalculate();
    EXPECT_TRUE(s.IsPageEnabled(kPageXbarR));
    s.Selection().mode = GroupMode::PartialData;
    s.Recalculate();
    EXPECT_FALSE(s.IsPageEnabled(kPageXbarR));
    // The data page lists every stored data whatever the mode.
    s.Selection().nPartialBegin = 2;
    s.Selection().nPartialEnd = 3;
    s.Recalculate();
    EXPECT_EQ(s.Formed().nDataCt, 2u);
    EXPECT_EQ(CMeasDataRows(s.Condition(), s.Stored()).RowCount(), 6);
}

TEST(MeasDataRows, AlloyItemsGiveBlankCells) {
    MeasFileData d = test::Condition({test::Layer(1, "Sn"), test::AlloyLayer()});
    d.nItemCt = 2;
    const MsrLogRecord log[] = {Measured(2.0f, PackDate(2026, 3, 4)), Measured(1.0f)};
    const CMeasDataRows rows(d, log);
    ASSERT_EQ(rows.ColumnCount(), 4);
    EXPECT_EQ(rows.Cell(0, 1).substr(rows.Cell(0, 1).size() - 3), " um");
    EXPECT_EQ(rows.Cell(0, 3), "2026/03/04");
    EXPECT_EQ(rows.Cell(1, 0), "");
}

TEST(CopyRows, CellsAreTrimmedAndTabSeparated) {
    EXPECT_EQ(JoinCopyRows({{"   1", " 2.5 um\t"}, {"\x01x", ""}}), "1\t2.5 um\r\nx\t\r\n");
}

}  // namespace
}  // namespace klv
