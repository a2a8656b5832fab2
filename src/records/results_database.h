#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace klv {

// One value handed to or read from the results database: NULL, an integer, a real or a text
// (UTF-8).
using DbValue = std::variant<std::monostate, std::int64_t, double, std::string>;
using DbRow = std::vector<DbValue>;

struct DbResult {
    enum Kind {
        Done,
        // Cannot be reached or written now (server down, database locked, disk full, file
        // read-only): the caller keeps the record and tries again later.
        Unavailable,
        // Will not work until someone changes something (a wrong address, a refused login).
        Refused,
        // The statement itself failed (a constraint, a fault in the SQL).
        Failed,
    };
    Kind kind = Done;
    std::string message;  // the engine's own words, for the log and the status line

    bool ok() const { return kind == Done; }
};

enum class DbEngine { SQLite, PostgreSQL };

// A connection to the lab's results database. The records core writes its SQL once, in what
// both engines share: parameters $1, $2, ...; types BIGINT, DOUBLE PRECISION, TEXT;
// INSERT ... ON CONFLICT DO NOTHING; RETURNING. Where the engines differ (an identity column),
// the core asks Engine(). One connection is used by one thread at a time.
class ResultsDatabase {
public:
    virtual ~ResultsDatabase() = default;
    virtual DbEngine Engine() const = 0;
    // Where the data goes, for messages; never holds a password.
    virtual std::string Where() const = 0;
    // Connects, or connects again after a failure; Done at once when the connection is sound.
    virtual DbResult Open() = 0;
    virtual void Close() = 0;
    virtual DbResult Execute(std::string_view sql, const DbRow& params = {}) = 0;
    // Replaces `rows` with the rows the statement returns.
    virtual DbResult Query(std::string_view sql, const DbRow& params, std::vector<DbRow>& rows) = 0;
    // A transaction is durable once Commit returns Done (synchronous writes on both engines).
    virtual DbResult Begin() = 0;
    virtual DbResult Commit() = 0;
    virtual void Rollback() = 0;
    // Many rows into one table the engine's fastest way (COPY; one prepared statement), inside
    // the caller's transaction when one is open. Every row holds one value per column.
    virtual DbResult InsertRows(std::string_view table, const std::vector<std::string>& columns,
                                const std::vector<DbRow>& rows) = 0;
};

}  // namespace klv
