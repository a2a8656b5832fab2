#pragma once

#include <cstdint>

#include "records/results_database.h"

namespace klv {

// The schema this program writes; older databases are migrated up to it.
inline constexpr std::int64_t kSchemaVersion = 1;

// Creates or migrates the schema in one transaction. A database of a newer schema is Refused
// with a message saying so: this program would write it wrongly.
DbResult MigrateSchema(ResultsDatabase& db);

// The schema version the database holds; 0 for an empty database.
DbResult ReadSchemaVersion(ResultsDatabase& db, std::int64_t& version);

// "BIGINT ... PRIMARY KEY" with the engine's identity.
const char* IdentityColumn(const ResultsDatabase& db);

}  // namespace klv
