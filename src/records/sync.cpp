#include "records/sync.h"

#include <vector>

#include "records/outbox.h"
#include "records/record_builder.h"

namespace klv {

namespace {

// Whether the database holds positions 1 to `quantity` of the channel, the last one as logged.
bool LooksComplete(ResultsDatabase& db, ConditionStore& store, const TesterIdentity& tester,
                   const MeasFileData& d, int index, std::uint32_t quantity) {
    std::vector<DbRow> rows;
    const DbResult r = db.Query(
        "SELECT COUNT(*), MAX(position) FROM measurements WHERE tester_id = $1 AND channel = $2"
        " AND position IS NOT NULL",
        {tester.id, std::int64_t{index + 1}}, rows);
    if (!r.ok() || rows.empty() || rows[0][0] != DbValue(std::int64_t{quantity}))
        return false;
    if (quantity == 0)
        return true;
    if (rows[0][1] != DbValue(std::int64_t{quantity}))
        return false;
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    std::vector<MsrLogRecord> last(layers);
    if (!ReadMsrLogFile(store, index, last.data(), (quantity - 1) * layers, layers, false))
        return false;
    std::map<std::int64_t, LiveMeasurement> live;
    if (!ReadLiveMeasurements(db, tester.id, index + 1, live, quantity).ok())
        return false;
    const auto at = live.find(quantity);
    return at != live.end() &&
           at->second.signature ==
               ValueSignature(BuildMeasurementRecord(d, index, quantity, last, nullptr, nullptr));
}

DbResult SyncChannel(ResultsDatabase& db, ConditionStore& store, const TesterIdentity& tester,
                     const std::string& run, const std::string& now, int index, bool quick,
                     SyncCounts& counts) {
    MeasFileData d;
    if (store.ReadConditionImage(index, d) != FileReadResult::Ok || !IsSoundCondition(d))
        return {};
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    // A measurement still being taken (or cut short) is recorded once it is complete.
    const std::uint32_t quantity = layers == 0 ? 0 : d.nItemCt / layers;
    if (quick && LooksComplete(db, store, tester, d, index, quantity))
        return {};
    std::vector<MsrLogRecord> log(static_cast<std::size_t>(quantity) * layers);
    if (!log.empty() &&
        !ReadMsrLogFile(store, index, log.data(), 0, static_cast<std::uint32_t>(log.size()), false))
        return {};
    ++counts.channels;
    const int channel = index + 1;

    if (DbResult r = db.Begin(); !r.ok())
        return r;
    auto fail = [&db](DbResult r) {
        db.Rollback();
        return r;
    };
    if (DbResult r = LockTester(db, tester, now); !r.ok())
        return fail(r);
    std::map<std::int64_t, LiveMeasurement> live;
    if (DbResult r = ReadLiveMeasurements(db, tester.id, channel, live); !r.ok())
        return fail(r);
    std::string conditionId;
    std::vector<DbRow> measurementRows;
    std::vector<DbRow> layerRows;
    std::int64_t retired = 0;
    for (std::uint32_t n = 1; n <= quantity; ++n) {
        const std::span<const MsrLogRecord> records(log.data() + (n - 1) * layers, layers);
        const MeasurementRecord m = BuildMeasurementRecord(d, index, n, records, nullptr, nullptr);
        const auto at = live.find(n);
        if (at != live.end()) {
            const bool same = at->second.signature == ValueSignature(m);
            const std::string id = at->second.id;
            live.erase(at);
            if (same)
                continue;
            if (DbResult r = RetireMeasurement(db, id, "not in log"); !r.ok())
                return fail(r);
            ++retired;
        }
        if (conditionId.empty()) {
            if (DbResult r = StoreCondition(db, m.condition, conditionId); !r.ok())
                return fail(r);
        }
        AppendMeasurementRows(
            tester.id + ":sync:" + run + ":" + std::to_string(channel) + ":" + std::to_string(n),
            tester.id, conditionId, m, "sync", now, measurementRows, layerRows);
    }
    // Rows beyond the log's end: cancelled or removed while nothing was recorded.
    for (const auto& [position, row] : live) {
        if (DbResult r = RetireMeasurement(db, row.id, "not in log"); !r.ok())
            return fail(r);
        ++retired;
    }
    if (!measurementRows.empty()) {
        if (DbResult r = db.InsertRows("measurements", kMeasurementColumns, measurementRows);
            !r.ok())
            return fail(r);
        if (DbResult r = db.InsertRows("measurement_layers", kLayerColumns, layerRows); !r.ok())
            return fail(r);
    }
    if (DbResult r = db.Commit(); !r.ok())
        return r;
    counts.recorded += static_cast<std::int64_t>(measurementRows.size());
    counts.retired += retired;
    return {};
}

}  // namespace

DbResult SyncChannels(ResultsDatabase& db, ConditionStore& store, const TesterIdentity& tester,
                      const std::string& now, SyncCounts& counts,
                      const std::function<bool(int)>& progress, bool quick) {
    const std::string run = MakeRandomId();
    for (int index = 0; index < kChannelCount; ++index) {
        if (progress && !progress(index + 1))
            return {};
        if (DbResult r = SyncChannel(db, store, tester, run, now, index, quick, counts); !r.ok())
            return r;
    }
    return {};
}

}  // namespace klv
