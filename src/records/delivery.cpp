#include "records/delivery.h"

#include <cstdio>

namespace klv {

namespace {

DbValue Optional(const std::optional<double>& v) {
    return v ? DbValue(*v) : DbValue();
}

std::string Hash(const std::string& text) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char out[24];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

std::string Text(const DbValue& v) {
    return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : std::string();
}

// Runs the statements of one record; any failure rolls the whole record back.
class Transaction {
public:
    explicit Transaction(ResultsDatabase& db) : m_db(db) { m_result = db.Begin(); }
    ~Transaction() {
        if (!m_finished)
            m_db.Rollback();
    }
    DbResult Commit() {
        m_finished = true;
        return m_db.Commit();
    }
    const DbResult& Started() const { return m_result; }

private:
    ResultsDatabase& m_db;
    DbResult m_result;
    bool m_finished = false;
};

DbResult StoreMeasurement(ResultsDatabase& db, const TesterIdentity& tester, const std::string& id,
                          const MeasurementRecord& m, const std::string& now) {
    std::map<std::int64_t, LiveMeasurement> live;
    if (DbResult r = ReadLiveMeasurements(db, tester.id, m.channel, live, m.number); !r.ok())
        return r;
    const auto at = live.find(m.number);
    if (at != live.end()) {
        if (at->second.signature == ValueSignature(m))
            return {};
        // The log holds another measurement there now (its data was erased meanwhile).
        if (DbResult r = RetireMeasurement(db, at->second.id, "not in log"); !r.ok())
            return r;
    }
    std::string conditionId;
    if (DbResult r = StoreCondition(db, m.condition, conditionId); !r.ok())
        return r;
    std::vector<DbRow> measurementRows;
    std::vector<DbRow> layerRows;
    AppendMeasurementRows(id, tester.id, conditionId, m, "measured", now, measurementRows,
                          layerRows);
    if (DbResult r = db.InsertRows("measurements", kMeasurementColumns, measurementRows); !r.ok())
        return r;
    return db.InsertRows("measurement_layers", kLayerColumns, layerRows);
}

DbResult FindLive(ResultsDatabase& db, const std::string& tester, const EventRecord& e,
                  std::string& id) {
    std::vector<DbRow> rows;
    DbResult r = db.Query(
        "SELECT id FROM measurements WHERE tester_id = $1 AND channel = $2 AND position = $3",
        {tester, std::int64_t{e.channel}, e.number}, rows);
    id = r.ok() && !rows.empty() ? Text(rows[0][0]) : std::string();
    return r;
}

DbResult ApplyEvent(ResultsDatabase& db, const std::string& tester, const EventRecord& e) {
    std::string id;
    if (DbResult r = FindLive(db, tester, e, id); !r.ok())
        return r;
    DbResult r = db.Execute(
        "INSERT INTO events (tester_id, channel, data_number, kind, layer, value_before,"
        " value_after, at, by_whom, measurement_id) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9,"
        " $10)",
        {tester, std::int64_t{e.channel}, e.number, std::string(EventKindName(e.kind)),
         e.layer >= 0 ? DbValue(std::int64_t{e.layer}) : DbValue(), Optional(e.before),
         Optional(e.after), e.at, e.by, id.empty() ? DbValue() : DbValue(id)});
    if (!r.ok() || id.empty())
        return r;
    switch (e.kind) {
        case RecordEventKind::Cancellation:
            return RetireMeasurement(db, id, "cancelled");
        case RecordEventKind::Removal:
            if (r = RetireMeasurement(db, id, "removed"); !r.ok())
                return r;
            // The later measurements of the log moved down by one.
            return db.Execute(
                "UPDATE measurements SET position = position - 1 WHERE tester_id = $1 AND"
                " channel = $2 AND position > $3",
                {tester, std::int64_t{e.channel}, e.number});
        case RecordEventKind::AdditionalElectrolysis:
            // Of a measurement still being taken: its own record brings the new value.
            return r;
        case RecordEventKind::Correction:
            if (e.layer < 0 || !e.after)
                return r;
            return db.Execute(
                "UPDATE measurement_layers SET value_um = $1, value_shown = '', no_value = 0"
                " WHERE measurement_id = $2 AND layer = $3",
                {*e.after, id, std::int64_t{e.layer}});
    }
    return r;
}

}  // namespace

const std::vector<std::string> kMeasurementColumns = {"id",
                                                      "tester_id",
                                                      "channel",
                                                      "data_number",
                                                      "position",
                                                      "state",
                                                      "measured_date",
                                                      "measured_time",
                                                      "customer",
                                                      "goods",
                                                      "lot",
                                                      "tested_by",
                                                      "condition_id",
                                                      "calibration_value",
                                                      "calibration_date",
                                                      "calibration_overdue",
                                                      "source",
                                                      "recorded_at"};
const std::vector<std::string> kLayerColumns = {
    "measurement_id",   "layer",           "coating",  "value_um", "value_shown",
    "dissolved_weight", "adhesion_amount", "no_value", "verdict"};

void AppendMeasurementRows(const std::string& id, const std::string& tester,
                           const std::string& conditionId, const MeasurementRecord& m,
                           const char* source, const std::string& now,
                           std::vector<DbRow>& measurementRows, std::vector<DbRow>& layerRows) {
    measurementRows.push_back(
        {id, tester, std::int64_t{m.channel}, m.number, m.number, std::string("stored"), m.date,
         m.time, m.customer, m.goods, m.lot, m.testedBy, conditionId, Optional(m.calibrationValue),
         m.calibrationDate, std::int64_t{m.calibrationOverdue ? 1 : 0}, std::string(source), now});
    for (std::size_t k = 0; k < m.layers.size(); ++k) {
        const RecordedLayer& l = m.layers[k];
        layerRows.push_back({id, static_cast<std::int64_t>(k), l.coating,
                             l.noValue ? DbValue() : DbValue(l.micrometres), l.shown,
                             Optional(l.weight), Optional(l.adhesion),
                             std::int64_t{l.noValue ? 1 : 0}, l.verdict});
    }
}

DbResult LockTester(ResultsDatabase& db, const TesterIdentity& tester, const std::string& now) {
    DbResult r = db.Execute(
        "INSERT INTO testers (id, host, first_seen) VALUES ($1, $2, $3) ON CONFLICT DO NOTHING",
        {tester.id, tester.host, now});
    if (!r.ok())
        return r;
    return db.Execute("UPDATE testers SET host = $2 WHERE id = $1", {tester.id, tester.host});
}

DbResult StoreCondition(ResultsDatabase& db, const ConditionSnapshot& c, std::string& id) {
    const std::string signature = ConditionSignature(c);
    id = Hash(signature);
    std::vector<DbRow> rows;
    DbResult r = db.Query(
        "INSERT INTO conditions (id, signature, name, base, unit, gasket) VALUES ($1, $2, $3, $4,"
        " $5, $6) ON CONFLICT DO NOTHING RETURNING id",
        {id, signature, c.name, c.base, c.unit, std::int64_t{c.gasket}}, rows);
    if (!r.ok() || rows.empty())
        return r;
    for (std::size_t k = 0; k < c.layers.size(); ++k) {
        const ConditionLayer& l = c.layers[k];
        r = db.Execute(
            "INSERT INTO condition_layers (condition_id, layer, coating, solution, range_code,"
            " upper_limit, lower_limit) VALUES ($1, $2, $3, $4, $5, $6, $7)",
            {id, static_cast<std::int64_t>(k), l.coating, std::int64_t{l.solution},
             std::int64_t{l.range}, Optional(l.upper), Optional(l.lower)});
        if (!r.ok())
            return r;
    }
    return r;
}

DbResult ReadLiveMeasurements(ResultsDatabase& db, const std::string& tester, int channel,
                              std::map<std::int64_t, LiveMeasurement>& live, std::int64_t only) {
    live.clear();
    std::vector<DbRow> rows;
    const std::string sql =
        std::string(
            "SELECT m.position, m.id, m.measured_date, l.value_um FROM measurements m JOIN"
            " measurement_layers l ON l.measurement_id = m.id WHERE m.tester_id = $1 AND"
            " m.channel = $2 AND m.position IS NOT NULL") +
        (only != 0 ? " AND m.position = $3" : "") + " ORDER BY m.position, l.layer";
    DbResult r = only != 0 ? db.Query(sql, {tester, std::int64_t{channel}, only}, rows)
                           : db.Query(sql, {tester, std::int64_t{channel}}, rows);
    if (!r.ok())
        return r;
    // Rebuilt the way ValueSignature builds it from a record.
    std::map<std::int64_t, MeasurementRecord> records;
    for (const DbRow& row : rows) {
        const std::int64_t position = std::get<std::int64_t>(row[0]);
        MeasurementRecord& m = records[position];
        live[position].id = Text(row[1]);
        m.date = Text(row[2]);
        RecordedLayer l;
        l.noValue = !std::holds_alternative<double>(row[3]);
        l.micrometres = l.noValue ? 0.0 : std::get<double>(row[3]);
        m.layers.push_back(l);
    }
    for (auto& [position, m] : records)
        live[position].signature = ValueSignature(m);
    return r;
}

DbResult RetireMeasurement(ResultsDatabase& db, const std::string& id, const char* state) {
    return db.Execute("UPDATE measurements SET position = NULL, state = $2 WHERE id = $1",
                      {id, std::string(state)});
}

DbResult DeliverRecord(ResultsDatabase& db, const TesterIdentity& tester, const std::string& outbox,
                       const OutboxRecord& record, const std::string& now) {
    Transaction t(db);
    if (!t.Started().ok())
        return t.Started();
    if (DbResult r = LockTester(db, tester, now); !r.ok())
        return r;
    std::vector<DbRow> rows;
    DbResult r = db.Query(
        "INSERT INTO deliveries (tester_id, outbox, sequence) VALUES ($1, $2, $3) ON CONFLICT"
        " DO NOTHING RETURNING sequence",
        {tester.id, outbox, record.sequence}, rows);
    if (!r.ok())
        return r;
    if (rows.empty())
        return {};  // delivered before a crash; the rollback leaves everything as it was
    if (record.measurement) {
        r = StoreMeasurement(db, tester,
                             tester.id + ":" + outbox + ":" + std::to_string(record.sequence),
                             *record.measurement, now);
    } else if (record.event) {
        r = ApplyEvent(db, tester.id, *record.event);
    }
    if (!r.ok())
        return r;
    return t.Commit();
}

}  // namespace klv
