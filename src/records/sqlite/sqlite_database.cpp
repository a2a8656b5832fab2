#include "records/sqlite/sqlite_database.h"

#include <sqlite3.h>

#include <memory>

namespace klv {

namespace {

struct StatementCloser {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

// The engine speaks "?NNN"; the shared SQL says "$NNN", which SQLite also takes as a named
// parameter, so the position is looked up by name.
int Bind(sqlite3_stmt* s, const DbRow& params) {
    for (std::size_t i = 0; i < params.size(); ++i) {
        const std::string name = "$" + std::to_string(i + 1);
        const int at = sqlite3_bind_parameter_index(s, name.c_str());
        if (at == 0)
            continue;
        const DbValue& v = params[i];
        int rc = SQLITE_OK;
        if (std::holds_alternative<std::int64_t>(v))
            rc = sqlite3_bind_int64(s, at, std::get<std::int64_t>(v));
        else if (std::holds_alternative<double>(v))
            rc = sqlite3_bind_double(s, at, std::get<double>(v));
        else if (std::holds_alternative<std::string>(v))
            rc = sqlite3_bind_text(s, at, std::get<std::string>(v).data(),
                                   static_cast<int>(std::get<std::string>(v).size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_null(s, at);
        if (rc != SQLITE_OK)
            return rc;
    }
    return SQLITE_OK;
}

DbValue Column(sqlite3_stmt* s, int i) {
    switch (sqlite3_column_type(s, i)) {
        case SQLITE_INTEGER:
            return std::int64_t{sqlite3_column_int64(s, i)};
        case SQLITE_FLOAT:
            return sqlite3_column_double(s, i);
        case SQLITE_NULL:
            return std::monostate{};
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
            return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(s, i)));
        }
    }
}

}  // namespace

CSqliteDatabase::CSqliteDatabase(std::string path, int busyTimeoutMs)
    : m_path(std::move(path)), m_busyTimeoutMs(busyTimeoutMs) {}

CSqliteDatabase::~CSqliteDatabase() {
    Close();
}

DbResult CSqliteDatabase::Error(int code) const {
    const std::string message = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    switch (code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_READONLY:
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return {DbResult::Unavailable, message};
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return {DbResult::Refused, message};
        default:
            return {DbResult::Failed, message};
    }
}

DbResult CSqliteDatabase::Open() {
    if (m_db != nullptr)
        return {};
    const int rc =
        sqlite3_open_v2(m_path.c_str(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        DbResult r = Error(rc);
        Close();
        return r;
    }
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 0);
    // A file that is not a database shows itself on the first read.
    for (const char* pragma :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON"}) {
        if (DbResult r = Execute(pragma); !r.ok()) {
            Close();
            return r;
        }
    }
    return {};
}

void CSqliteDatabase::Close() {
    if (m_db != nullptr) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

DbResult CSqliteDatabase::Run(std::string_view sql, const DbRow& params, std::vector<DbRow>* rows) {
    if (m_db == nullptr)
        return {DbResult::Unavailable, "the database is not open"};
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    Statement s(raw);
    if (rc != SQLITE_OK)
        return Error(rc);
    if (rc = Bind(s.get(), params); rc != SQLITE_OK)
        return Error(rc);
    if (rows != nullptr)
        rows->clear();
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
        if (rows == nullptr)
            continue;
        DbRow row;
        const int n = sqlite3_column_count(s.get());
        for (int i = 0; i < n; ++i)
            row.push_back(Column(s.get(), i));
        rows->push_back(std::move(row));
    }
    return rc == SQLITE_DONE ? DbResult{} : Error(rc);
}

DbResult CSqliteDatabase::Execute(std::string_view sql, const DbRow& params) {
    return Run(sql, params, nullptr);
}

DbResult CSqliteDatabase::Query(std::string_view sql, const DbRow& params,
                                std::vector<DbRow>& rows) {
    return Run(sql, params, &rows);
}

DbResult CSqliteDatabase::Begin() {
    // Immediate: the write lock is taken now, so a busy database waits here, not mid-record.
    return Execute("BEGIN IMMEDIATE");
}

DbResult CSqliteDatabase::Commit() {
    DbResult r = Execute("COMMIT");
    if (!r.ok())
        Rollback();
    return r;
}

void CSqliteDatabase::Rollback() {
    if (m_db != nullptr && sqlite3_get_autocommit(m_db) == 0)
        Execute("ROLLBACK");
}

DbResult CSqliteDatabase::InsertRows(std::string_view table,
                                     const std::vector<std::string>& columns,
                                     const std::vector<DbRow>& rows) {
    if (m_db == nullptr)
        return {DbResult::Unavailable, "the database is not open"};
    std::string sql = "INSERT INTO " + std::string(table) + " (";
    std::string values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i == 0 ? "" : ", ") + columns[i];
        values += (i == 0 ? "$" : ", $") + std::to_string(i + 1);
    }
    sql += ") VALUES (" + values + ")";
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
    Statement s(raw);
    if (rc != SQLITE_OK)
        return Error(rc);
    for (const DbRow& row : rows) {
        if (row.size() != columns.size())
            return {DbResult::Failed, "a row does not hold one value per column"};
        sqlite3_reset(s.get());
        if (rc = Bind(s.get(), row); rc != SQLITE_OK)
            return Error(rc);
        if (rc = sqlite3_step(s.get()); rc != SQLITE_DONE)
            return Error(rc);
    }
    return {};
}

}  // namespace klv
