#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "records/engines/open_results_database.h"
#include "records/results_query.h"
#include "records/results_recorder.h"
#include "reference/condition_store.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv::test {

// A data directory with a channel store and results.sqlite in it.
class RecordsFixture : public ::testing::Test {
protected:
    RecordsFixture() : store(dir.Path(), op) {
        store.CreateConditionDirectories();
        store.CreateMsrLogFileDirectory();
    }

    // Channel `index` with two layers (Ni over Cu, limits 1-5 µm on Ni) and `values` stored
    // as measurements of two layers each.
    MeasFileData WriteChannel(int index, const std::vector<float>& values) {
        MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
        SetFixedText(d.szLotNo, "LOT-7");
        SetFixedText(d.szCustomer, "Acme");
        SetFixedText(d.szGoods, "Pins");
        SetFixedText(d.szTester, "Ann");
        d.bStatFlags |= kStatLimitCheckOn;
        d.limits[0].fUpperLimit = 5.0f;
        d.limits[0].fLowerLimit = 1.0f;
        d.limits[1].fUpperLimit = 100.0f;
        std::vector<MsrLogRecord> log;
        for (float v : values)
            log.push_back(Measured(v, PackDate(2026, 12, 10)));
        d.nItemCt = static_cast<std::uint32_t>(log.size());
        d.wFirstDate = d.wLastDate = log.empty() ? 0 : PackDate(2026, 12, 10);
        EXPECT_TRUE(store.WriteConditionFile(index, d));
        if (!log.empty()) {
            EXPECT_TRUE(WriteMsrLogFile(store, index, log.data(), 0,
                                        static_cast<std::uint32_t>(log.size())));
        }
        return d;
    }

    std::unique_ptr<ResultsDatabase> OpenDb() {
        auto db = OpenResultsDatabase("", dir.Path()).db;
        EXPECT_TRUE(db->Open().ok());
        return db;
    }

    std::unique_ptr<CResultsRecorder> MakeRecorder(const std::string& url = "") {
        OpenedResultsDatabase opened = OpenResultsDatabase(url, dir.Path());
        auto recorder = std::make_unique<CResultsRecorder>(
            dir.Path(), std::move(opened.db), opened.problem, tester,
            CResultsRecorder::Options{std::chrono::milliseconds(20),
                                      std::chrono::milliseconds(50)});
        recorder->now = [] { return std::string("2026-12-10 12:00:00"); };
        return recorder;
    }

    std::vector<DbRow> Rows(ResultsDatabase& db, const std::string& sql) {
        std::vector<DbRow> rows;
        EXPECT_TRUE(db.Query(sql, {}, rows).ok()) << sql;
        return rows;
    }

    std::int64_t Count(ResultsDatabase& db, const std::string& sql) {
        const auto rows = Rows(db, sql);
        return rows.empty() ? -1 : std::get<std::int64_t>(rows[0][0]);
    }

    TempDir dir;
    ScriptedOperator op;
    ConditionStore store;
    TesterIdentity tester{"t1", "bench-1"};
};

}  // namespace klv::test
