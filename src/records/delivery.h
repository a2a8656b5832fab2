#pragma once

#include <map>
#include <string>
#include <vector>

#include "records/results_database.h"
#include "records/results_record.h"

namespace klv {

struct TesterIdentity {
    std::string id;
    std::string host;
};

// Writes one outbox record in one transaction, together with its delivery row: a record
// delivered before (found by tester, outbox and sequence) changes nothing. A measurement the
// database already holds at the same place of the same log (a sync was first) is not recorded
// twice.
DbResult DeliverRecord(ResultsDatabase& db, const TesterIdentity& tester, const std::string& outbox,
                       const OutboxRecord& record, const std::string& now);

// Inside a transaction: makes sure the tester's row is there and takes its lock, so that two
// writers for one tester (the program and the tool) take turns.
DbResult LockTester(ResultsDatabase& db, const TesterIdentity& tester, const std::string& now);

// Inside a transaction: the condition's row, made once per distinct condition; its id.
DbResult StoreCondition(ResultsDatabase& db, const ConditionSnapshot& c, std::string& id);

// A stored measurement still in its log: its row id and its value signature.
struct LiveMeasurement {
    std::string id;
    std::string signature;
};
// The tester's measurements of `channel` still in the log, by position; only the one at
// `only` when that is not 0.
DbResult ReadLiveMeasurements(ResultsDatabase& db, const std::string& tester, int channel,
                              std::map<std::int64_t, LiveMeasurement>& live, std::int64_t only = 0);
// Marks a measurement as gone from its log (it is kept, with its state).
DbResult RetireMeasurement(ResultsDatabase& db, const std::string& id, const char* state);

// The rows of a new measurement, for InsertRows.
extern const std::vector<std::string> kMeasurementColumns;
extern const std::vector<std::string> kLayerColumns;
void AppendMeasurementRows(const std::string& id, const std::string& tester,
                           const std::string& conditionId, const MeasurementRecord& m,
                           const char* source, const std::string& now,
                           std::vector<DbRow>& measurementRows, std::vector<DbRow>& layerRows);

}  // namespace klv
