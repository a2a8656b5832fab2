#include "records/sqlite/sqlite_database.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

class SqliteDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open().ok());
        ASSERT_TRUE(db.Execute("CREATE TABLE t (i BIGINT, r DOUBLE PRECISION, s TEXT, "
                               "u TEXT UNIQUE)")
                        .ok());
    }
    std::vector<DbRow> All(CSqliteDatabase& from) {
        std::vector<DbRow> rows;
        EXPECT_TRUE(from.Query("SELECT i, r, s FROM t ORDER BY i", {}, rows).ok());
        return rows;
    }
    test::TempDir dir;
    CSqliteDatabase db{dir.File("r.sqlite"), 50};
};

TEST_F(SqliteDatabaseTest, ValuesComeBackAsTheyWentInAndCommitsLast) {
    const DbRow row = {std::int64_t{1} << 40, 0.1, std::string("Ni µm\t\"x\"")};
    ASSERT_TRUE(db.Begin().ok());
    ASSERT_TRUE(db.Execute("INSERT INTO t (i, r, s) VALUES ($1, $2, $3)", row).ok());
    ASSERT_TRUE(db.InsertRows("t", {"i", "r", "s"},
                              {{std::int64_t{2}, DbValue(), DbValue()},
                               {std::int64_t{3}, -2.5, std::string()}})
                    .ok());
    ASSERT_TRUE(db.Commit().ok());
    ASSERT_TRUE(db.Begin().ok());
    ASSERT_TRUE(db.Execute("INSERT INTO t (i) VALUES ($1)", {std::int64_t{4}}).ok());
    db.Rollback();
    db.Close();

    CSqliteDatabase again(dir.File("r.sqlite"));
    ASSERT_TRUE(again.Open().ok());
    const auto rows = All(again);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], row);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows[0][1]));
    EXPECT_EQ(rows[1][1], DbValue(-2.5));
    std::vector<DbRow> mode;
    ASSERT_TRUE(again.Query("PRAGMA journal_mode", {}, mode).ok());
    EXPECT_EQ(mode[0][0], DbValue(std::string("wal")));
}

TEST_F(SqliteDatabaseTest, SaysWhetherToWaitOrToGiveUp) {
    struct Case {
        const char* sql;
        DbRow params;
        DbResult::Kind kind;
    };
    ASSERT_TRUE(db.Execute("INSERT INTO t (u) VALUES ('a')").ok());
    const Case cases[] = {
        {"INSERT INTO t (u) VALUES ('a')", {}, DbResult::Failed},
        {"INSERT INTO t (u) VALUES ('a') ON CONFLICT DO NOTHING", {}, DbResult::Done},
        {"SELEC 1", {}, DbResult::Failed},
        {"INSERT INTO nowhere VALUES ($1)", {std::int64_t{1}}, DbResult::Failed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db.Execute(c.sql, c.params).kind, c.kind) << c.sql;
    EXPECT_EQ(db.InsertRows("t", {"i", "r"}, {{std::int64_t{1}}}).kind, DbResult::Failed);

    // Another writer holds the lock past the busy time-out.
    CSqliteDatabase other(dir.File("r.sqlite"));
    ASSERT_TRUE(other.Open().ok());
    ASSERT_TRUE(other.Begin().ok());
    const DbResult locked = db.Begin();
    EXPECT_EQ(locked.kind, DbResult::Unavailable) << locked.message;
    other.Rollback();
    EXPECT_TRUE(db.Begin().ok());
    db.Rollback();

    test::WriteTestFile(dir.File("junk.sqlite"), std::string(4096, 'j'));
    CSqliteDatabase junk(dir.File("junk.sqlite"));
    EXPECT_EQ(junk.Open().kind, DbResult::Refused);
    CSqliteDatabase nowhere(dir.File("missing/r.sqlite"));
    EXPECT_EQ(nowhere.Open().kind, DbResult::Unavailable);
    EXPECT_EQ(nowhere.Execute("SELECT 1").kind, DbResult::Unavailable);
}

}  // namespace
}  // namespace klv
