#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine_cases.h"

namespace klv {
namespace {

using test::QueryRows;

// What the records core relies on, on every engine alike.
class ResultsDatabaseContract : public ::testing::TestWithParam<test::EngineCase> {
protected:
    void SetUp() override {
        db = GetParam().make();
        ASSERT_NE(db, nullptr);
        const DbResult opened = db->Open();
        ASSERT_TRUE(opened.ok()) << opened.message;
        Exec("CREATE TABLE sample (k BIGINT PRIMARY KEY, i BIGINT, d DOUBLE PRECISION, s TEXT)");
    }
    void Exec(std::string_view sql, const DbRow& params = {}) {
        const DbResult result = db->Execute(sql, params);
        ASSERT_TRUE(result.ok()) << sql << ": " << result.message;
    }
    std::int64_t Count() {
        const auto rows = QueryRows(*db, "SELECT COUNT(*) FROM sample");
        return rows.size() == 1 ? std::get<std::int64_t>(rows[0][0]) : -1;
    }

    std::unique_ptr<ResultsDatabase> db;
};

const double kMin = std::numeric_limits<double>::denorm_min();
// Each value at the edge of what could be lost on the way: digits, range, bytes of text.
const std::vector<DbRow> kEdgeValues = {
    {std::int64_t{1}, {}, {}, {}},
    {std::int64_t{2}, std::numeric_limits<std::int64_t>::min(), 0.1 + 0.2, std::string()},
    {std::int64_t{3}, std::numeric_limits<std::int64_t>::max(), 1.0000000000000002,
     std::string("µm Ni/Cu 日本 ÄÖÜ")},
    {std::int64_t{4}, std::int64_t{0}, -std::numeric_limits<double>::max(),
     std::string("tab\there\nline\\N back\\slash\r")},
    {std::int64_t{5}, std::int64_t{-1}, kMin, std::string("'quoted' \"twice\" ; --")},
    {std::int64_t{6}, std::int64_t{42}, -0.0, std::string("\\N")},
};

TEST_P(ResultsDatabaseContract, EveryValueComesBackExactlyThroughParametersAndInsertRows) {
    for (const DbRow& row : kEdgeValues)
        Exec("INSERT INTO sample (k, i, d, s) VALUES ($1, $2, $3, $4)", row);
    Exec("CREATE TABLE copied (k BIGINT PRIMARY KEY, i BIGINT, d DOUBLE PRECISION, s TEXT)");
    const DbResult inserted = db->InsertRows("copied", {"k", "i", "d", "s"}, kEdgeValues);
    ASSERT_TRUE(inserted.ok()) << inserted.message;
    for (const char* table : {"sample", "copied"}) {
        const auto rows =
            QueryRows(*db, std::string("SELECT k, i, d, s FROM ") + table + " ORDER BY k");
        EXPECT_EQ(rows, kEdgeValues) << table;
    }
    // Parameters select as well as they insert, each kind by its own value.
    EXPECT_EQ(QueryRows(*db, "SELECT k FROM sample WHERE i = $1 AND d = $2 AND s = $3",
                        {kEdgeValues[3][1], kEdgeValues[3][2], kEdgeValues[3][3]}),
              (std::vector<DbRow>{{std::int64_t{4}}}));
    EXPECT_EQ(QueryRows(*db, "SELECT k FROM copied WHERE s IS NULL"),
              (std::vector<DbRow>{{std::int64_t{1}}}));
}

TEST_P(ResultsDatabaseContract, ReturningAndConflictsAnswerAsTheCoreExpects) {
    Exec("CREATE TABLE lot (id BIGINT PRIMARY KEY, name TEXT UNIQUE)");
    const std::string insert = "INSERT INTO lot (id, name) VALUES ($1, $2)";
    EXPECT_EQ(QueryRows(*db, insert + " RETURNING id", {std::int64_t{7}, std::string("L-7")}),
              (std::vector<DbRow>{{std::int64_t{7}}}));
    // A duplicate is skipped without an error and returns no row; without the clause it fails.
    EXPECT_EQ(QueryRows(*db, insert + " ON CONFLICT DO NOTHING RETURNING id",
                        {std::int64_t{8}, std::string("L-7")}),
              std::vector<DbRow>{});
    EXPECT_EQ(db->Execute(insert, {std::int64_t{7}, std::string("L-8")}).kind, DbResult::Failed);
    EXPECT_EQ(QueryRows(*db, "SELECT id, name FROM lot"),
              (std::vector<DbRow>{{std::int64_t{7}, std::string("L-7")}}));
    EXPECT_EQ(QueryRows(*db, "SELECT SUM(id), AVG(id) FROM lot"),
              (std::vector<DbRow>{{std::int64_t{7}, 7.0}}));
}

TEST_P(ResultsDatabaseContract, OnlyACommittedTransactionLeavesRows) {
    std::vector<DbRow> many;
    for (std::int64_t k = 0; k < 100000; ++k)
        many.push_back(
            {k, k * 3, static_cast<double>(k) / 7, std::string("row\t") + std::to_string(k)});
    const std::vector<std::string> columns{"k", "i", "d", "s"};
    ASSERT_TRUE(db->Begin().ok());
    Exec("INSERT INTO sample (k) VALUES (-1)");
    ASSERT_TRUE(db->InsertRows("sample", columns, many).ok());
    db->Rollback();
    EXPECT_EQ(Count(), 0);

    ASSERT_TRUE(db->Begin().ok());
    const DbResult inserted = db->InsertRows("sample", columns, many);
    ASSERT_TRUE(inserted.ok()) << inserted.message;
    ASSERT_TRUE(db->Commit().ok());
    EXPECT_EQ(QueryRows(*db, "SELECT COUNT(*), SUM(i), MAX(s) FROM sample"),
              (std::vector<DbRow>{{std::int64_t{100000}, std::int64_t{3 * 99999LL * 100000 / 2},
                                   std::string("row\t99999")}}));
    EXPECT_EQ(QueryRows(*db, "SELECT d FROM sample WHERE k = 99998"),
              (std::vector<DbRow>{{99998.0 / 7}}));
}

TEST_P(ResultsDatabaseContract, AStatementThatCannotWorkFailsAndTheConnectionGoesOn) {
    std::vector<DbRow> rows{{std::int64_t{1}}};
    EXPECT_EQ(db->Execute("INSERT INTO nowhere VALUES (1)").kind, DbResult::Failed);
    EXPECT_EQ(db->Query("SELEC 1", {}, rows).kind, DbResult::Failed);
    EXPECT_EQ(db->InsertRows("sample", {"k", "i"}, {{std::int64_t{1}}}).kind, DbResult::Failed);
    EXPECT_EQ(db->InsertRows("nowhere", {"k"}, {{std::int64_t{1}}}).kind, DbResult::Failed);
    EXPECT_EQ(Count(), 0);
    // Nothing was written by halves, and the next statement works.
    Exec("INSERT INTO sample (k) VALUES (1)");
    EXPECT_EQ(Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, ResultsDatabaseContract, ::testing::ValuesIn(test::EveryEngine()),
                         [](const auto& engine) { return engine.param.name; });

}  // namespace
}  // namespace klv
