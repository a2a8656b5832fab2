// The results database on a PostgreSQL server of the benchmark's own: a sync of whole logs
// against psql's \copy of the same rows as CSV into the same tables, and the query of one lot
// among many measurements.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "records/postgresql/postgresql_database.h"
#include "records/results_query.h"
#include "records/schema.h"
#include "records/sync.h"
#include "records_bench_support.h"
#include "support/private_postgres.h"

namespace {

using namespace klv;

// A fresh database with the schema on the one server of this run; null when that fails.
std::unique_ptr<CPostgreSqlDatabase> FreshDatabase(std::string& name) {
    test::PrivatePostgres& server = test::SharedPostgres();
    name = server.Error().empty() ? server.NewDatabase() : "";
    if (name.empty()) {
        std::fprintf(stderr, "%s\n", server.Error().c_str());
        return nullptr;
    }
    auto db = std::make_unique<CPostgreSqlDatabase>(server.Connection(name));
    if (!db->Open().ok() || !MigrateSchema(*db).ok())
        return nullptr;
    return db;
}

constexpr int kSyncChannels = 2;

void BM_SyncLogsPostgreSQL(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    ConditionStore store(dir.Path(), op);
    bench::WriteLogs(store, kSyncChannels, static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::string name;
        auto db = FreshDatabase(name);
        state.ResumeTiming();
        SyncCounts counts;
        if (!db || !SyncChannels(*db, store, bench::kTester, "now", counts).ok())
            state.SkipWithError("sync failed");
        state.counters["measurements"] = static_cast<double>(counts.recorded);
    }
}
BENCHMARK(BM_SyncLogsPostgreSQL)->Arg(99999)->Iterations(1)->Unit(::benchmark::kMillisecond);

bool Psql(const std::string& database, const std::string& commands) {
    const std::string folder = test::SharedPostgres().Folder();
    return std::system(("psql -X -q -v ON_ERROR_STOP=1 -h '" + folder + "' -U klv -d " + database +
                        " " + commands)
                           .c_str()) == 0;
}

// The same rows as CSV, loaded by psql's \copy into the same tables.
void BM_PsqlCopy(::benchmark::State& state) {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    ConditionStore store(dir.Path(), op);
    bench::WriteLogs(store, kSyncChannels, static_cast<std::uint32_t>(state.range(0)));
    std::string source;
    auto db = FreshDatabase(source);
    SyncCounts counts;
    // The rows the measurements refer to are loaded untimed; the timed copy is the rows a sync
    // writes.
    const std::vector<std::string> referred{"testers", "conditions", "condition_layers"};
    const std::vector<std::string> timed{"measurements", "measurement_layers"};
    auto copies = [&](const std::vector<std::string>& tables, const char* direction) {
        std::string commands;
        for (const std::string& table : tables)
            commands += " -c \"\\copy " + table + " " + direction + " '" + dir.Path() + table +
                        ".csv' CSV\"";
        return commands;
    };
    if (!db || !SyncChannels(*db, store, bench::kTester, "now", counts).ok() ||
        !Psql(source, copies(referred, "TO") + copies(timed, "TO"))) {
        state.SkipWithError("set-up failed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::string target;
        const bool ready =
            FreshDatabase(target) != nullptr && Psql(target, copies(referred, "FROM"));
        state.ResumeTiming();
        if (!ready || !Psql(target, copies(timed, "FROM")))
            state.SkipWithError("copy failed");
    }
}
BENCHMARK(BM_PsqlCopy)->Arg(99999)->Iterations(1)->Unit(::benchmark::kMillisecond);

// One lot of 50 measurements among `range(0)` measurements of many channels and days.
void BM_QueryLotPostgreSQL(::benchmark::State& state) {
    std::string name;
    auto db = FreshDatabase(name);
    const auto total = static_cast<std::uint32_t>(state.range(0));
    if (db)
        bench::QueryOneLot(state, *db, total);
    else
        state.SkipWithError("set-up failed");
}
BENCHMARK(BM_QueryLotPostgreSQL)->Arg(500000)->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    klv::bench::TimeCollector reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    klv::bench::PrintRatio(reporter, "BM_SyncLogsPostgreSQL/99999/iterations:1",
                           "BM_PsqlCopy/99999/iterations:1", "<= 1.5");
    ::benchmark::Shutdown();
    return 0;
}
