#include "records/postgresql/postgresql_database.h"

#include <libpq-fe.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "records/postgresql/postgresql_text.h"

namespace klv {

namespace {

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using ResultPtr = std::unique_ptr<PGresult, ResultDeleter>;

std::string Trimmed(const char* text) {
    std::string s = text == nullptr ? "" : text;
    while (!s.empty() && (s.back() == '\n' || s.back() == ' '))
        s.pop_back();
    return s;
}

bool HoldsNul(const DbValue& value) {
    const auto* s = std::get_if<std::string>(&value);
    return s != nullptr && s->find('\0') != std::string::npos;
}

const DbResult kNulText{DbResult::Failed,
                        "a text holds a NUL character, which the server cannot store"};

// Waits until libpq may go on connecting; false when the deadline passed first.
bool WaitForSocket(PGconn* conn, PostgresPollingStatusType status,
                   std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
        return false;
    pollfd fd{PQsocket(conn),
              static_cast<short>(status == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
    return ::poll(&fd, 1, static_cast<int>(left.count())) > 0;
}

}  // namespace

CPostgreSqlDatabase::CPostgreSqlDatabase(std::string connection) {
    char* error = nullptr;
    PQconninfoOption* parsed = PQconninfoParse(connection.c_str(), &error);
    if (parsed == nullptr) {
        m_refusal = "the PostgreSQL connection string is not valid: " +
                    Trimmed(error != nullptr ? error : "out of memory");
        PQfreemem(error);
        m_where = "PostgreSQL (connection string not valid)";
        return;
    }
    std::string host, port, database;
    for (const PQconninfoOption* o = parsed; o->keyword != nullptr; ++o) {
        if (o->val == nullptr || *o->val == '\0')
            continue;
        const std::string key = o->keyword;
        m_options.emplace_back(key, o->val);
        if (key == "host" || (key == "hostaddr" && host.empty()))
            host = o->val;
        else if (key == "port")
            port = o->val;
        else if (key == "dbname")
            database = o->val;
        else if (key == "connect_timeout")
            m_connectTimeoutSeconds = std::max(2, std::atoi(o->val));
    }
    PQconninfoFree(parsed);
    // A server that vanishes from the network is noticed by the kernel within half a minute,
    // unless the string says otherwise.
    for (const auto& [key, value] : {std::pair<const char*, const char*>{"keepalives", "1"},
                                     {"keepalives_idle", "10"},
                                     {"keepalives_interval", "5"},
                                     {"keepalives_count", "3"},
                                     {"tcp_user_timeout", "30000"}})
        if (std::none_of(m_options.begin(), m_options.end(),
                         [key = key](const auto& o) { return o.first == key; }))
            m_options.emplace_back(key, value);
    // Texts go both ways as UTF-8, whatever the server or the string says.
    std::erase_if(m_options, [](const auto& o) { return o.first == "client_encoding"; });
    m_options.emplace_back("client_encoding", "UTF8");
    m_where = "PostgreSQL database " + (database.empty() ? std::string("(the user's)") : database) +
              " on " + (host.empty() ? std::string("the local server") : host) +
              (port.empty() ? "" : ":" + port);
}

DbResult CPostgreSqlDatabase::Open() {
    if (m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK)
        return {};
    Close();
    return Connect();
}

DbResult CPostgreSqlDatabase::Connect() {
    if (!m_refusal.empty())
        return {DbResult::Refused, m_refusal};
    std::vector<const char*> keys, values;
    for (const auto& [key, value] : m_options) {
        keys.push_back(key.c_str());
        values.push_back(value.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    m_conn = PQconnectStartParams(keys.data(), values.data(), 0);
    if (m_conn == nullptr)
        return {DbResult::Unavailable, "out of memory connecting to " + m_where};
    // The server's refusal then carries its SQLSTATE, which tells a wrong login from a server
    // that is down.
    PQsetErrorVerbosity(m_conn, PQERRORS_VERBOSE);
    // libpq only keeps connect_timeout in its blocking connect: a dead server must not hang us.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(m_connectTimeoutSeconds);
    PostgresPollingStatusType status = PGRES_POLLING_WRITING;
    bool timedOut = false;
    while (PQstatus(m_conn) != CONNECTION_BAD && status != PGRES_POLLING_OK &&
           status != PGRES_POLLING_FAILED) {
        if (!WaitForSocket(m_conn, status, deadline)) {
            timedOut = true;
            break;
        }
        status = PQconnectPoll(m_conn);
    }
    if (timedOut || status != PGRES_POLLING_OK) {
        const std::string message =
            timedOut ? "no answer within " + std::to_string(m_connectTimeoutSeconds) + " s"
                     : Trimmed(PQerrorMessage(m_conn));
        const std::string state = SqlStateInMessage(message);
        Close();
        // Without a code no server answered: it is down or not there yet.
        return {state.empty() ? DbResult::Unavailable : ClassifySqlState(state),
                m_where + ": " + message};
    }
    PQsetErrorVerbosity(m_conn, PQERRORS_DEFAULT);
    // Notices ("already exists, skipping") are no news; libpq would print them to stderr.
    PQsetNoticeProcessor(
        m_conn, [](void*, const char*) {}, nullptr);
    // A record counts once it is on the server's disk, whatever the server's default.
    DbResult result = Execute("SET synchronous_commit TO on");
    if (!result.ok())
        Close();
    return result;
}

void CPostgreSqlDatabase::Close() {
    if (m_conn != nullptr)
        PQfinish(m_conn);
    m_conn = nullptr;
}

DbResult CPostgreSqlDatabase::Failure(PGresult* result) const {
    const char* state = result != nullptr ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    std::string message = Trimmed(result != nullptr ? PQresultErrorMessage(result) : "");
    if (message.empty())
        message = Trimmed(PQerrorMessage(m_conn));
    if (PQstatus(m_conn) == CONNECTION_BAD)
        return {DbResult::Unavailable, m_where + ": " + message};
    return {state == nullptr ? DbResult::Failed : ClassifySqlState(state), message};
}

DbResult CPostgreSqlDatabase::Run(std::string_view sql, const DbRow& params, PGresult*& result) {
    result = nullptr;
    if (m_conn == nullptr || PQstatus(m_conn) != CONNECTION_OK)
        return {DbResult::Unavailable, "not connected to " + m_where};
    const std::string statement(sql);
    int sent = 0;
    if (params.empty()) {
        // Without parameters a script of several statements may run at once.
        sent = PQsendQuery(m_conn, statement.c_str());
    } else {
        std::vector<std::string> texts(params.size());
        std::vector<const char*> values(params.size());
        std::vector<Oid> types(params.size(), 0);
        for (std::size_t i = 0; i < params.size(); ++i) {
            if (HoldsNul(params[i]))
                return kNulText;
            if (PostgreSqlParameterText(params[i], texts[i]))
                values[i] = texts[i].c_str();
            // Typed numbers make "SELECT $1" and comparisons exact; texts take the column's type.
            if (std::holds_alternative<std::int64_t>(params[i]))
                types[i] = 20;  // bigint
            else if (std::holds_alternative<double>(params[i]))
                types[i] = 701;  // double precision
        }
        sent = PQsendQueryParams(m_conn, statement.c_str(), static_cast<int>(params.size()),
                                 types.data(), values.data(), nullptr, nullptr, 0);
    }
    if (sent == 0)
        return Failure(nullptr);
    // As PQexec answers, but never waiting on a silent server: the first failure, else the last
    // result; a COPY goes on with the caller.
    const auto good = [](const PGresult* r) {
        const ExecStatusType status = PQresultStatus(r);
        return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN;
    };
    ResultPtr kept;
    while (true) {
        if (!AwaitAnswer())
            return Silent();
        PGresult* next = PQgetResult(m_conn);
        if (next == nullptr)
            break;
        const bool copy = PQresultStatus(next) == PGRES_COPY_IN;
        if (kept == nullptr || good(kept.get()))
            kept.reset(next);
        else
            PQclear(next);
        if (copy)
            break;
    }
    if (kept != nullptr && good(kept.get())) {
        result = kept.release();
        return {};
    }
    return Failure(kept.get());
}

bool CPostgreSqlDatabase::AwaitAnswer() {
    while (PQisBusy(m_conn)) {
        pollfd fd{PQsocket(m_conn), POLLIN, 0};
        const int ready = ::poll(&fd, 1, static_cast<int>(m_answerTimeout.count()));
        if (ready == 0)
            return false;
        if (ready < 0 && errno == EINTR)
            continue;
        // A broken connection is reported by the result that follows.
        if (ready < 0 || PQconsumeInput(m_conn) == 0)
            return true;
    }
    return true;
}

DbResult CPostgreSqlDatabase::Silent() {
    Close();
    return {DbResult::Unavailable,
            m_where + ": no answer within " +
                std::to_string(
                    std::chrono::duration_cast<std::chrono::seconds>(m_answerTimeout).count()) +
                " s"};
}

DbResult CPostgreSqlDatabase::Execute(std::string_view sql, const DbRow& params) {
    PGresult* raw = nullptr;
    DbResult result = Run(sql, params, raw);
    ResultPtr owned(raw);
    return result;
}

DbResult CPostgreSqlDatabase::Query(std::string_view sql, const DbRow& params,
                                    std::vector<DbRow>& rows) {
    rows.clear();
    PGresult* raw = nullptr;
    DbResult result = Run(sql, params, raw);
    ResultPtr owned(raw);
    if (!result.ok())
        return result;
    const int columns = PQnfields(raw);
    const int count = PQntuples(raw);
    rows.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        DbRow& row = rows.emplace_back();
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(raw, r, c))
                row.emplace_back();
            else
                row.push_back(PostgreSqlValue(
                    PQftype(raw, c),
                    std::string_view(PQgetvalue(raw, r, c),
                                     static_cast<std::size_t>(PQgetlength(raw, r, c)))));
        }
    }
    return result;
}

DbResult CPostgreSqlDatabase::Begin() {
    return Execute("BEGIN");
}

DbResult CPostgreSqlDatabase::Commit() {
    PGresult* raw = nullptr;
    DbResult result = Run("COMMIT", {}, raw);
    ResultPtr owned(raw);
    // The server answers COMMIT of a failed transaction with a rollback, not with an error.
    if (result.ok() && std::string_view(PQcmdStatus(raw)) == "ROLLBACK")
        return {DbResult::Failed, "the transaction failed and was rolled back"};
    return result;
}

void CPostgreSqlDatabase::Rollback() {
    if (m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK &&
        PQtransactionStatus(m_conn) != PQTRANS_IDLE)
        Execute("ROLLBACK");
}

DbResult CPostgreSqlDatabase::InsertRows(std::string_view table,
                                         const std::vector<std::string>& columns,
                                         const std::vector<DbRow>& rows) {
    if (!IsPlainSqlName(table))
        return {DbResult::Failed, "not a table name: " + std::string(table)};
    std::string sql = "COPY " + std::string(table) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!IsPlainSqlName(columns[i]))
            return {DbResult::Failed, "not a column name: " + columns[i]};
        sql += (i == 0 ? "" : ", ") + columns[i];
    }
    sql += ") FROM STDIN";
    for (const DbRow& row : rows) {
        if (row.size() != columns.size())
            return {DbResult::Failed, "a row for " + std::string(table) + " holds " +
                                          std::to_string(row.size()) + " values, not " +
                                          std::to_string(columns.size())};
        for (const DbValue& value : row)
            if (HoldsNul(value))
                return kNulText;
    }
    if (rows.empty() || columns.empty())
        return {};
    PGresult* raw = nullptr;
    DbResult started = Run(sql, {}, raw);
    ResultPtr owned(raw);
    if (!started.ok())
        return started;
    return CopyRows(rows);
}

DbResult CPostgreSqlDatabase::CopyRows(const std::vector<DbRow>& rows) {
    constexpr std::size_t kChunk = 1 << 20;
    std::string buffer;
    buffer.reserve(kChunk + 4096);
    bool sent = true;
    for (const DbRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                buffer += '\t';
            AppendCopyValue(row[i], buffer);
        }
        buffer += '\n';
        if (buffer.size() >= kChunk) {
            sent = PQputCopyData(m_conn, buffer.data(), static_cast<int>(buffer.size())) == 1;
            buffer.clear();
            if (!sent)
                break;
        }
    }
    if (sent && !buffer.empty())
        sent = PQputCopyData(m_conn, buffer.data(), static_cast<int>(buffer.size())) == 1;
    if (sent)
        PQputCopyEnd(m_conn, nullptr);
    // The COPY's own outcome, then the end of the command.
    DbResult result;
    bool first = true;
    while (true) {
        if (!AwaitAnswer())
            return Silent();
        PGresult* raw = PQgetResult(m_conn);
        if (raw == nullptr)
            break;
        ResultPtr owned(raw);
        if (first && PQresultStatus(raw) != PGRES_COMMAND_OK)
            result = Failure(raw);
        first = false;
    }
    if ((first || !sent) && result.ok())
        result = Failure(nullptr);
    return result;
}

}  // namespace klv
