// The results database on SQLite: recording one five-layer measurement against the data log's
// own durable append, a sync of whole logs against the sqlite3 shell's .import of the same rows,
// and the query of one lot among many measurements.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/clock.h"
#include "records/delivery.h"
#include "records/outbox.h"
#include "records/record_builder.h"
#include "records/results_query.h"
#include "records/schema.h"
#include "records/sqlite/sqlite_database.h"
#include "records/sync.h"
#include "records_bench_support.h"
#include "reference/condition_store.h"
#include "results/measurement_log.h"

namespace {

using namespace klv;

using bench::FiveLayers;
using bench::kLayers;
using bench::kTester;
using bench::LotCondition;
using bench::WriteLogs;

std::unique_ptr<CSqliteDatabase> FreshDatabase(const std::string& path) {
    auto db = std::make_unique<CSqliteDatabase>(path);
    if (!db->Open().ok() || !MigrateSchema(*db).ok())
        return nullptr;
    return db;
}

// The data log's own durable append of one five-layer measurement.
void BM_DataLogAppend(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    SystemClock clock;
    ConditionStore store(dir.Path(), op);
    store.CreateConditionDirectories();
    MeasFileData d = LotCondition(1);
    if (!store.WriteConditionFile(0, d)) {
        state.SkipWithError("set-up failed");
        return;
    }
    MeasurementBuffer buffer{};
    for (auto _ : state) {
        if (!CanAcceptMeasurement(d))
            d.nItemCt = 0;
        for (int k = 0; k < kLayers; ++k)
            AddMsrLogRecord(store, clock, d, 0, buffer, k, 2.5f, false);
    }
    state.counters["failures"] = op.failures;
}
BENCHMARK(BM_DataLogAppend)->Unit(::benchmark::kMicrosecond);

// What recording adds: the outbox line (flushed) and its delivery in one synchronous
// transaction, as the recorder does it.
void BM_RecordMeasurement(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    auto db = FreshDatabase(dir.Path() + "results.sqlite");
    COutbox outbox(dir.Path());
    std::string message;
    if (!db || !outbox.Load(message)) {
        state.SkipWithError("set-up failed");
        return;
    }
    const MeasFileData d = LotCondition(1);
    const std::vector<MsrLogRecord> records = FiveLayers(2.0f);
    const LocalTime at{2026, 12, 10, 9, 0, 0};
    std::uint32_t number = 0;
    for (auto _ : state) {
        OutboxRecord r;
        r.measurement = BuildMeasurementRecord(d, 0, ++number, records, nullptr, &at);
        if (!outbox.Append(r) || !DeliverRecord(*db, kTester, outbox.Name(), r, "now").ok() ||
            !outbox.MarkDelivered(message))
            state.SkipWithError("recording failed");
    }
}
BENCHMARK(BM_RecordMeasurement)->Unit(::benchmark::kMicrosecond);

constexpr int kSyncChannels = 2;

void BM_SyncLogs(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    ConditionStore store(dir.Path(), op);
    WriteLogs(store, kSyncChannels, static_cast<std::uint32_t>(state.range(0)));
    int run = 0;
    for (auto _ : state) {
        auto db = FreshDatabase(dir.Path() + "sync" + std::to_string(++run) + ".sqlite");
        SyncCounts counts;
        if (!db || !SyncChannels(*db, store, kTester, "now", counts).ok())
            state.SkipWithError("sync failed");
        state.counters["measurements"] = static_cast<double>(counts.recorded);
    }
}
BENCHMARK(BM_SyncLogs)->Arg(99999)->Iterations(1)->Unit(::benchmark::kMillisecond);

int Shell(const std::string& command) {
    return std::system(command.c_str());
}

// The same rows as CSV, imported by the sqlite3 shell into the same tables.
void BM_ShellImport(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    ConditionStore store(dir.Path(), op);
    WriteLogs(store, kSyncChannels, static_cast<std::uint32_t>(state.range(0)));
    {
        auto db = FreshDatabase(dir.Path() + "source.sqlite");
        SyncCounts counts;
        if (!db || !SyncChannels(*db, store, kTester, "now", counts).ok()) {
            state.SkipWithError("set-up failed");
            return;
        }
    }
    const std::string source = dir.Path() + "source.sqlite";
    if (Shell("sqlite3 -csv '" + source + "' 'SELECT * FROM measurements' > '" + dir.Path() +
              "m.csv' && sqlite3 -csv '" + source + "' 'SELECT * FROM measurement_layers' > '" +
              dir.Path() + "l.csv'") != 0) {
        state.SkipWithError("export failed");
        return;
    }
    int run = 0;
    for (auto _ : state) {
        const std::string target = dir.Path() + "import" + std::to_string(++run) + ".sqlite";
        state.PauseTiming();
        FreshDatabase(target);
        state.ResumeTiming();
        if (Shell("sqlite3 '" + target + "' 'PRAGMA synchronous=FULL' '.import --csv " +
                  dir.Path() + "m.csv measurements' '.import --csv " + dir.Path() +
                  "l.csv measurement_layers'") != 0)
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ShellImport)->Arg(99999)->Iterations(1)->Unit(::benchmark::kMillisecond);

// One lot of 50 measurements among `range(0)` measurements of many testers, channels and days.
void BM_QueryLot(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    auto db = FreshDatabase(dir.Path() + "results.sqlite");
    const auto total = static_cast<std::uint32_t>(state.range(0));
    if (db)
        bench::QueryOneLot(state, *db, total);
    else
        state.SkipWithError("set-up failed");
}
BENCHMARK(BM_QueryLot)->Arg(500000)->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    klv::bench::TimeCollector reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    klv::bench::PrintRatio(reporter, "BM_RecordMeasurement", "BM_DataLogAppend", "<= 1.0");
    klv::bench::PrintRatio(reporter, "BM_SyncLogs/99999/iterations:1",
                           "BM_ShellImport/99999/iterations:1", "<= 1.5");
    ::benchmark::Shutdown();
    return 0;
}
