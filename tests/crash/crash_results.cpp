#include "crash/crash_results.h"

#include <map>

#include "crash/crash_workload.h"
#include "records/engines/open_results_database.h"
#include "records/outbox.h"
#include "records/schema.h"
#include "records/sync.h"

namespace klv::crash {

namespace {

void Find(CheckResult& result, int& counter, const std::string& what) {
    ++counter;
    result.findings.push_back("results database: " + what);
}

}  // namespace

void CheckResultsDatabase(const std::string& dataDir, CheckResult& result) {
    auto db = OpenResultsDatabase(CrashResultsUrl(), dataDir).db;
    DbResult r = db->Open();
    if (r.ok())
        r = MigrateSchema(*db);
    if (!r.ok())
        return Find(result, result.unreadable, "cannot be opened: " + r.message);
    COutbox outbox(dataDir);
    std::string message;
    if (!outbox.Load(message))
        return Find(result, result.unreadable, message);
    const TesterIdentity tester = CrashTester(dataDir);
    while (!outbox.Pending().empty()) {
        r = DeliverRecord(*db, tester, outbox.Name(), outbox.Pending().front(), "check");
        if (!r.ok())
            return Find(result, result.lost, "a record was refused: " + r.message);
        if (!outbox.MarkDelivered(message))
            return Find(result, result.unreadable, message);
    }
    // Every record the outbox ever numbered arrived, each once.
    std::vector<DbRow> delivered;
    db->Query("SELECT COUNT(*), MAX(sequence) FROM deliveries WHERE outbox = $1", {outbox.Name()},
              delivered);
    if (!delivered.empty() && std::holds_alternative<std::int64_t>(delivered[0][1]) &&
        delivered[0][0] != delivered[0][1])
        Find(result, result.lost,
             "the outbox numbered " + std::to_string(std::get<std::int64_t>(delivered[0][1])) +
                 " records, " + std::to_string(std::get<std::int64_t>(delivered[0][0])) +
                 " arrived");
    YesOperator quiet;
    ConditionStore store(dataDir, quiet);
    SyncCounts counts;
    if (r = SyncChannels(*db, store, tester, "check", counts); !r.ok())
        return Find(result, result.lost, "the sync failed: " + r.message);

    std::vector<DbRow> doubled;
    db->Query(
        "SELECT channel, position, COUNT(*) FROM measurements WHERE position IS NOT NULL"
        " GROUP BY channel, position HAVING COUNT(*) > 1",
        {}, doubled);
    for (const DbRow& row : doubled)
        Find(result, result.lost,
             "channel " + std::to_string(std::get<std::int64_t>(row[0])) + " holds data number " +
                 std::to_string(std::get<std::int64_t>(row[1])) + " twice");
    for (int c = 0; c < kChannels; ++c) {
        MeasFileData d;
        if (store.ReadConditionImage(c, d) != FileReadResult::Ok)
            continue;
        const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
        std::map<std::int64_t, LiveMeasurement> live;
        if (r = ReadLiveMeasurements(*db, tester.id, c + 1, live); !r.ok())
            return Find(result, result.unreadable, r.message);
        if (live.size() != d.nItemCt / layers)
            Find(result, result.lost,
                 "channel " + std::to_string(c + 1) + " has " + std::to_string(live.size()) +
                     " measurements in the database, " + std::to_string(d.nItemCt / layers) +
                     " in its log");
    }
}

}  // namespace klv::crash
