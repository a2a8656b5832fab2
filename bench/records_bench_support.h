#pragma once

// What the results database benchmarks of both engines share: lots of five-layer measurements,
// as logs of channels or straight into the tables.
#include <string>
#include <vector>

#include "records/delivery.h"
#include "records/record_builder.h"
#include "records/results_database.h"
#include "records/results_query.h"
#include "reference/condition_store.h"
#include "results/measurement_log.h"
#include "results_bench_support.h"

namespace klv::bench {

constexpr int kLayers = 5;
const TesterIdentity kTester{"bench", "bench-host"};

inline MeasFileData LotCondition(int lot) {
    MeasFileData d = BenchCondition(kLayers);
    SetFixedText(d.szLotNo, ("LOT-" + std::to_string(lot)).c_str());
    SetFixedText(d.szTester, "Ann");
    return d;
}

inline std::vector<MsrLogRecord> FiveLayers(float base) {
    std::vector<MsrLogRecord> r;
    for (int k = 0; k < kLayers; ++k)
        r.push_back({base + static_cast<float>(k), kRecordMeasured, 0, PackDate(2026, 12, 10)});
    return r;
}

// Channels of `measurements` five-layer measurements each.
inline void WriteLogs(ConditionStore& store, int channels, std::uint32_t measurements) {
    store.CreateConditionDirectories();
    store.CreateMsrLogFileDirectory();
    for (int c = 0; c < channels; ++c) {
        MeasFileData d = LotCondition(c);
        std::vector<MsrLogRecord> log;
        for (std::uint32_t n = 0; n < measurements; ++n) {
            const auto layers = FiveLayers(static_cast<float>(n % 97) * 0.01f + 1.0f);
            log.insert(log.end(), layers.begin(), layers.end());
        }
        d.nItemCt = static_cast<std::uint32_t>(log.size());
        store.WriteConditionFile(c, d);
        WriteMsrLogFile(store, c, log.data(), 0, d.nItemCt);
    }
}

// `total` measurements in lots of 50, over 50 channels and many days, in one transaction.
inline bool FillLots(ResultsDatabase& db, std::uint32_t total) {
    const std::vector<MsrLogRecord> records = FiveLayers(2.0f);
    std::string conditionId;
    bool ok =
        db.Begin().ok() && LockTester(db, kTester, "now").ok() &&
        StoreCondition(
            db, BuildMeasurementRecord(LotCondition(0), 0, 1, records, nullptr, nullptr).condition,
            conditionId)
            .ok();
    std::vector<DbRow> measurements;
    std::vector<DbRow> layers;
    for (std::uint32_t n = 0; ok && n < total; ++n) {
        const int lot = static_cast<int>(n / 50);
        MeasurementRecord m = BuildMeasurementRecord(LotCondition(lot), static_cast<int>(n % 50),
                                                     n + 1, records, nullptr, nullptr);
        m.date = "2026-" + std::to_string(10 + n % 3) + "-1" + std::to_string(n % 10);
        AppendMeasurementRows("m" + std::to_string(n), kTester.id, conditionId, m, "sync", "now",
                              measurements, layers);
        if (measurements.size() == 10000 || n + 1 == total) {
            ok = db.InsertRows("measurements", kMeasurementColumns, measurements).ok() &&
                 db.InsertRows("measurement_layers", kLayerColumns, layers).ok();
            measurements.clear();
            layers.clear();
        }
    }
    return ok && db.Commit().ok() && db.Execute("ANALYZE").ok();
}

// Fills the database with `total` measurements, then times the query of one lot after another.
inline void QueryOneLot(::benchmark::State& state, ResultsDatabase& db, std::uint32_t total) {
    if (!FillLots(db, total)) {
        state.SkipWithError("set-up failed");
        return;
    }
    ResultsFilter filter;
    int lot = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        filter.lot = "LOT-" + std::to_string((lot += 7919) % static_cast<int>(total / 50));
        ResultsTable table;
        if (!QueryResults(db, filter, table).ok())
            state.SkipWithError("query failed");
        rows = table.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace klv::bench
