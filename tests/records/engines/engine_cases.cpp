#include "engine_cases.h"

#include <gtest/gtest.h>

#include "records/postgresql/postgresql_database.h"
#include "support/private_postgres.h"

namespace klv::test {

std::vector<EngineCase> EveryEngine() {
    return {
        {"PostgreSQL",
         []() -> std::unique_ptr<ResultsDatabase> {
             PrivatePostgres& server = SharedPostgres();
             const std::string connection = server.Error().empty() ? server.NewDatabase() : "";
             // Without its server the test proves nothing, so it fails.
             if (connection.empty()) {
                 ADD_FAILURE() << server.Error();
                 return nullptr;
             }
             return std::make_unique<CPostgreSqlDatabase>(connection);
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
