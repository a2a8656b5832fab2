#include <sstream>
#include <thread>

#include "engine_cases.h"
#include "records/delivery.h"
#include "records/record_builder.h"
#include "records/records_fixture.h"
#include "records/schema.h"
#include "records/sync.h"
#include "support/private_postgres.h"

namespace klv::test {
namespace {

using namespace std::chrono_literals;

constexpr char kNow[] = "2026-12-10 12:00:00";

// The records core on a lab server, and the same answers from both engines.
class LabServerTest : public RecordsFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(SharedPostgres().Error(), "");
        database = SharedPostgres().NewDatabase();
        ASSERT_NE(database, "") << SharedPostgres().Error();
        url = SharedPostgres().Url(database);
    }
    MeasurementRecord Measurement(const MeasFileData& d, std::uint32_t number, float ni) {
        const MsrLogRecord layers[] = {Measured(ni, PackDate(2026, 12, 10)),
                                       Measured(10.0f, PackDate(2026, 12, 10))};
        const CalibrationStore calibration = CalibratedGasketA(2.5f);
        const LocalTime at{2026, 12, 10, 9, 30, static_cast<int>(number % 60)};
        return BuildMeasurementRecord(d, 0, number, layers, &calibration, &at);
    }
    std::unique_ptr<CResultsRecorder> LabRecorder(const std::string& dataDir,
                                                  const TesterIdentity& who) {
        OpenedResultsDatabase opened = OpenResultsDatabase(url, dataDir);
        auto recorder =
            std::make_unique<CResultsRecorder>(dataDir, std::move(opened.db), opened.problem, who,
                                               CResultsRecorder::Options{20ms, 50ms});
        recorder->now = [] { return std::string(kNow); };
        return recorder;
    }
    std::unique_ptr<ResultsDatabase> LabDb() {
        auto db = OpenResultsDatabase(url, dir.Path()).db;
        EXPECT_TRUE(db->Open().ok());
        return db;
    }

    std::string database;
    std::string url;
};

TEST_F(LabServerTest, TwoTestersWritingAtOnceLoseNothingAndShareTheCondition) {
    const MeasFileData d = WriteChannel(0, {});
    TempDir otherDir;
    auto first = LabRecorder(dir.Path(), {"t1", "bench-1"});
    auto second = LabRecorder(otherDir.Path(), {"t2", "bench-2"});
    ASSERT_TRUE(first->Start(false));
    ASSERT_TRUE(second->Start(false));
    constexpr std::uint32_t kEach = 40;
    auto measure = [&](CResultsRecorder& recorder, float base) {
        for (std::uint32_t n = 1; n <= kEach; ++n)
            EXPECT_TRUE(recorder.Record(Measurement(d, n, base + static_cast<float>(n) / 8)));
    };
    std::thread a(measure, std::ref(*first), 1.0f);
    std::thread b(measure, std::ref(*second), 2.0f);
    a.join();
    b.join();
    ASSERT_TRUE(first->WaitUntilDelivered(30s)) << first->Status().problem;
    ASSERT_TRUE(second->WaitUntilDelivered(30s)) << second->Status().problem;

    auto db = LabDb();
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements"), 2 * kEach);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM conditions"), 1);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM testers"), 2);
    ResultsFilter bench2;
    bench2.tester = "bench-2";
    ResultsTable table;
    ASSERT_TRUE(QueryResults(*db, bench2, table).ok());
    EXPECT_EQ(table.rows.size(), 2 * kEach);  // two layers each
}

TEST_F(LabServerTest, AServerStoppedMidRunFillsTheOutboxThenGetsEveryRecordOnce) {
    const MeasFileData d = WriteChannel(0, {});
    auto recorder = LabRecorder(dir.Path(), tester);
    ASSERT_TRUE(recorder->Start(false));
    for (std::uint32_t n = 1; n <= 5; ++n)
        ASSERT_TRUE(recorder->Record(Measurement(d, n, 3.0f)));
    ASSERT_TRUE(recorder->WaitUntilDelivered(10s)) << recorder->Status().problem;

    ASSERT_TRUE(SharedPostgres().Stop()) << SharedPostgres().Error();
    for (std::uint32_t n = 6; n <= 10; ++n)
        ASSERT_TRUE(recorder->Record(Measurement(d, n, 4.0f)));
    EXPECT_FALSE(recorder->WaitUntilDelivered(300ms));
    EXPECT_EQ(recorder->Status().waiting, 5);
    EXPECT_NE(recorder->Status().problem, "");
    ASSERT_TRUE(SharedPostgres().Start()) << SharedPostgres().Error();

    ASSERT_TRUE(recorder->WaitUntilDelivered(30s)) << recorder->Status().problem;
    EXPECT_EQ(recorder->Status().problem, "");
    recorder->Stop();
    auto db = LabDb();
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements"), 10);
    EXPECT_EQ(Count(*db, "SELECT COUNT(DISTINCT data_number) FROM measurements"), 10);
}

// Each way a lab server can fail the recorder: a clear problem, the record kept.
TEST_F(LabServerTest, RecordsWaitWhileTheServerRefuses) {
    {
        auto db = LabDb();
        ASSERT_TRUE(MigrateSchema(*db).ok());
        ASSERT_TRUE(db->Execute("UPDATE schema_version SET version = 99").ok());
    }
    const struct {
        std::string url;
        const char* problem;
    } cases[] = {
        {url, "has schema version 99; this program knows up to 1"},
        {SharedPostgres().Url("no_such_database"), "no_such_database"},
        {"postgresql://[::1", "not valid"},
    };
    const MeasFileData d = WriteChannel(0, {});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        TempDir data;
        url = c.url;
        auto recorder = LabRecorder(data.Path(), tester);
        ASSERT_TRUE(recorder->Start(false));
        ASSERT_TRUE(recorder->Record(Measurement(d, 1, 3.0f)));
        EXPECT_FALSE(recorder->WaitUntilDelivered(200ms));
        EXPECT_EQ(recorder->Status().waiting, 1);
        EXPECT_NE(recorder->Status().problem.find(c.problem), std::string::npos)
            << recorder->Status().problem;
    }
}

// What `db query`, `db history` and `db status` print, from one engine.
std::string Answers(ResultsDatabase& db, ConditionStore& store, const TesterIdentity& tester) {
    EXPECT_TRUE(db.Open().ok());
    EXPECT_TRUE(MigrateSchema(db).ok());
    SyncCounts counts;
    const DbResult synced = SyncChannels(db, store, tester, kNow, counts);
    EXPECT_TRUE(synced.ok()) << synced.message;
    OutboxRecord correction;
    correction.sequence = 1;
    correction.event = EventRecord{RecordEventKind::Correction, 3, 2, 0, 4.0, 4.25, kNow, "Ann"};
    EXPECT_TRUE(DeliverRecord(db, tester, "box", correction, kNow).ok());

    std::ostringstream out;
    ResultsFilter lot, channel, dates;
    lot.lot = "LOT-7";
    channel.channel = 3;
    dates.from = "2026-12-10";
    dates.to = "2026-12-10";
    for (const ResultsFilter& filter : {ResultsFilter{}, lot, channel, dates}) {
        ResultsTable table;
        EXPECT_TRUE(QueryResults(db, filter, table).ok());
        for (ResultsFormat format : {ResultsFormat::Tsv, ResultsFormat::Csv, ResultsFormat::Json})
            WriteResultsTable(out, table, format);
    }
    ResultsTable history;
    EXPECT_TRUE(QueryHistory(db, 3, 2, history).ok());
    WriteResultsTable(out, history, ResultsFormat::Tsv);
    std::vector<std::pair<std::string, std::int64_t>> status;
    EXPECT_TRUE(QueryCounts(db, status).ok());
    for (const auto& [name, count] : status)
        out << name << '=' << count << '\n';
    return out.str();
}

TEST_F(LabServerTest, BothEnginesGiveTheSameAnswers) {
    WriteChannel(0, {3.0f, 10.0f, 0.5f, 9.0f});
    WriteChannel(2, {4.0f, 10.0f, 4.125f, 11.0f, 6.0f, 12.0f});
    auto sqlite = OpenResultsDatabase("", dir.Path()).db;
    auto postgresql = OpenResultsDatabase(url, dir.Path()).db;
    const std::string fromSqlite = Answers(*sqlite, store, tester);
    EXPECT_NE(fromSqlite.find("LOT-7"), std::string::npos);
    EXPECT_NE(fromSqlite.find("4.25"), std::string::npos);
    EXPECT_EQ(Answers(*postgresql, store, tester), fromSqlite);
}

}  // namespace
}  // namespace klv::test
