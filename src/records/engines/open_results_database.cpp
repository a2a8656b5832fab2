#include "records/engines/open_results_database.h"

#include "records/database_url.h"
#include "records/postgresql/postgresql_database.h"
#include "records/sqlite/sqlite_database.h"

namespace klv {

OpenedResultsDatabase OpenResultsDatabase(const std::string& url, const std::string& dataDir) {
    const ResultsDatabaseUrl parsed = ParseResultsDatabaseUrl(url, dataDir);
    switch (parsed.kind) {
        case ResultsDatabaseUrl::SQLite:
            return {std::make_unique<CSqliteDatabase>(parsed.target), {}};
        case ResultsDatabaseUrl::PostgreSQL:
            return {std::make_unique<CPostgreSqlDatabase>(parsed.target), {}};
        case ResultsDatabaseUrl::Invalid:
            break;
    }
    return {nullptr, parsed.message};
}

}  // namespace klv
