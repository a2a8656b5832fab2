#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "records/results_database.h"

namespace klv {

// What `db query` selects; empty fields select everything.
struct ResultsFilter {
    std::string lot;
    std::optional<int> channel;
    std::string from;    // YYYY-MM-DD, inclusive
    std::string to;      // YYYY-MM-DD, inclusive
    std::string tester;  // the tester's id or host name
};

enum class ResultsFormat { Tsv, Csv, Json };

struct ResultsTable {
    std::vector<std::string> columns;
    std::vector<DbRow> rows;
};

// One row per layer of every measurement still in its log, in a fixed order, so both engines
// answer alike.
DbResult QueryResults(ResultsDatabase& db, const ResultsFilter& filter, ResultsTable& table);

// The trail of data number `number` of `channel`: the measurement(s) recorded there and
// every event that names it, oldest first.
DbResult QueryHistory(ResultsDatabase& db, int channel, std::int64_t number, ResultsTable& table);

// Counts of the status command: measurements, layers, events, conditions, testers.
DbResult QueryCounts(ResultsDatabase& db,
                     std::vector<std::pair<std::string, std::int64_t>>& counts);

void WriteResultsTable(std::ostream& out, const ResultsTable& table, ResultsFormat format);

}  // namespace klv
