#pragma once

#include <string>

#include "records/results_database.h"

struct sqlite3;

namespace klv {

// The results database in one SQLite file: write-ahead log, synchronous commits, a busy
// time-out; a locked or read-only file or a full disk is Unavailable.
class CSqliteDatabase final : public ResultsDatabase {
public:
    explicit CSqliteDatabase(std::string path, int busyTimeoutMs = 2000);
    ~CSqliteDatabase() override;
    CSqliteDatabase(const CSqliteDatabase&) = delete;
    CSqliteDatabase& operator=(const CSqliteDatabase&) = delete;

    DbEngine Engine() const override { return DbEngine::SQLite; }
    std::string Where() const override { return m_path; }
    DbResult Open() override;
    void Close() override;
    DbResult Execute(std::string_view sql, const DbRow& params = {}) override;
    DbResult Query(std::string_view sql, const DbRow& params, std::vector<DbRow>& rows) override;
    DbResult Begin() override;
    DbResult Commit() override;
    void Rollback() override;
    DbResult InsertRows(std::string_view table, const std::vector<std::string>& columns,
                        const std::vector<DbRow>& rows) override;

private:
    DbResult Error(int code) const;
    DbResult Run(std::string_view sql, const DbRow& params, std::vector<DbRow>* rows);

    std::string m_path;
    int m_busyTimeoutMs;
    sqlite3* m_db = nullptr;
};

}  // namespace klv
