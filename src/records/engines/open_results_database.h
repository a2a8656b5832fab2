#pragma once

#include <memory>
#include <string>

#include "records/results_database.h"

namespace klv {

struct OpenedResultsDatabase {
    std::unique_ptr<ResultsDatabase> db;  // null when the Url cannot be used
    std::string problem;                  // why, for the operator
};

// The connection `url` ([ResultsDatabase] Url) names; not yet opened.
OpenedResultsDatabase OpenResultsDatabase(const std::string& url, const std::string& dataDir);

}  // namespace klv
