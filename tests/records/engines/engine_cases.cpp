#include "engine_cases.h"

#include <gtest/gtest.h>

#include "records/postgresql/postgresql_database.h"
#include "records/sqlite/sqlite_database.h"
#include "support/private_postgres.h"
#include "support/temp_dir.h"

namespace klv::test {

std::vector<EngineCase> EveryEngine() {
    return {
        {"SQLite",
         []() -> std::unique_ptr<ResultsDatabase> {
             static TempDir files;
             static int made = 0;
             return std::make_unique<CSqliteDatabase>(
                 files.File(std::to_string(++made) + ".sqlite"));
         }},
        {"PostgreSQL",
         []() -> std::unique_ptr<ResultsDatabase> {
             PrivatePostgres& server = SharedPostgres();
             const std::string database = server.Error().empty() ? server.NewDatabase() : "";
             // Without its server the test proves nothing, so it fails.
             if (database.empty()) {
                 ADD_FAILURE() << server.Error();
                 return nullptr;
             }
             return std::make_unique<CPostgreSqlDatabase>(server.Connection(database));
         }},
    };
}

std::vector<DbRow> QueryRows(ResultsDatabase& db, std::string_view sql, const DbRow& params) {
    std::vector<DbRow> rows;
    const DbResult result = db.Query(sql, params, rows);
    EXPECT_TRUE(result.ok()) << sql << ": " << result.message;
    return rows;
}

}  // namespace klv::test
