#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/results_database.h"

struct pg_conn;
struct pg_result;

namespace klv {

// The lab's PostgreSQL server through libpq. `connection` is a libpq connection string, either
// "postgresql://user@host/db" or "host=... dbname=...".
class CPostgreSqlDatabase final : public ResultsDatabase {
public:
    explicit CPostgreSqlDatabase(std::string connection);
    ~CPostgreSqlDatabase() override { Close(); }
    CPostgreSqlDatabase(const CPostgreSqlDatabase&) = delete;
    CPostgreSqlDatabase& operator=(const CPostgreSqlDatabase&) = delete;

    DbEngine Engine() const override { return DbEngine::PostgreSQL; }
    std::string Where() const override { return m_where; }
    DbResult Open() override;
    void Close() override;
    DbResult Execute(std::string_view sql, const DbRow& params = {}) override;
    DbResult Query(std::string_view sql, const DbRow& params, std::vector<DbRow>& rows) override;
    DbResult Begin() override;
    DbResult Commit() override;
    void Rollback() override;
    DbResult InsertRows(std::string_view table, const std::vector<std::string>& columns,
                        const std::vector<DbRow>& rows) override;

    // How long the server may stay silent while we wait for its answer; then the connection is
    // given up as unavailable, so a server that vanished mid-statement hangs no one.
    void SetAnswerTimeout(std::chrono::milliseconds timeout) { m_answerTimeout = timeout; }

private:
    DbResult Connect();
    DbResult Run(std::string_view sql, const DbRow& params, pg_result*& result);
    DbResult Failure(pg_result* result) const;
    DbResult CopyRows(const std::vector<DbRow>& rows);
    // Reads until libpq holds the next result; false when the server stayed silent too long.
    bool AwaitAnswer();
    // Gives the silent connection up.
    DbResult Silent();

    // The parsed connection string; empty with m_refusal set when it cannot be parsed.
    std::vector<std::pair<std::string, std::string>> m_options;
    std::string m_refusal;
    std::string m_where;
    int m_connectTimeoutSeconds = 5;
    // Short: a statement given up is only tried again later, a wait holds up the closing program.
    std::chrono::milliseconds m_answerTimeout{std::chrono::seconds(30)};
    pg_conn* m_conn = nullptr;
};

}  // namespace klv
