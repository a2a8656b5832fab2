#include "records/engines/open_results_database.h"

#include "records/database_url.h"
#include "records/sqlite/sqlite_database.h"

namespace klv {

OpenedResultsDatabase OpenResultsDatabase(const std::string& url, const std::string& dataDir) {
    const ResultsDatabaseUrl parsed = ParseResultsDatabaseUrl(url, dataDir);
    switch (parsed.kind) {
        case ResultsDatabaseUrl::SQLite:
            return {std::make_unique<CSqliteDatabase>(parsed.target), {}};
        case ResultsDatabaseUrl::PostgreSQL:
            return {nullptr,
                    "This build cannot reach a PostgreSQL results database: the records wait in "
                    "the outbox."};
        case ResultsDatabaseUrl::Invalid:
            break;
    }
    return {nullptr, parsed.message};
}

}  // namespace klv
