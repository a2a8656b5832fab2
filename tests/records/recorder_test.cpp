#include <thread>

#include "base/file_io.h"
#include "records/database_url.h"
#include "records/delivery.h"
#include "records/record_builder.h"
#include "records/schema.h"
#include "records/sqlite/sqlite_database.h"
#include "records/sync.h"
#include "records_fixture.h"

namespace klv::test {
namespace {

using namespace std::chrono_literals;

class RecorderTest : public RecordsFixture {
protected:
    MeasurementRecord Record(const MeasFileData& d, std::uint32_t number, float ni, float cu) {
        const MsrLogRecord records[] = {Measured(ni, PackDate(2026, 12, 10)),
                                        Measured(cu, PackDate(2026, 12, 10))};
        const CalibrationStore calibration = CalibratedGasketA(2.5f);
        const LocalTime at{2026, 12, 10, 9, 30, 15};
        return BuildMeasurementRecord(d, 0, number, records, &calibration, &at);
    }

    EventRecord Event(RecordEventKind kind, std::int64_t number, int layer = -1,
                      std::optional<double> before = {}, std::optional<double> after = {}) {
        return {kind, 1, number, layer, before, after, "2026-12-10 10:00:00", "Ann"};
    }

    ResultsTable Query(ResultsDatabase& db, const ResultsFilter& filter = {}) {
        ResultsTable table;
        EXPECT_TRUE(QueryResults(db, filter, table).ok());
        return table;
    }
};

ResultsFilter Filter(std::string lot, std::optional<int> channel = {}, std::string from = "",
                     std::string to = "", std::string tester = "") {
    ResultsFilter f;
    f.lot = std::move(lot);
    f.channel = channel;
    f.from = std::move(from);
    f.to = std::move(to);
    f.tester = std::move(tester);
    return f;
}

std::string Str(const DbValue& v) {
    return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : "?";
}

TEST_F(RecorderTest, RecordsLotOperatorCalibrationAndEveryLayer) {
    const MeasFileData d = WriteChannel(0, {});
    auto recorder = MakeRecorder();
    ASSERT_TRUE(recorder->Start(false));
    ASSERT_TRUE(recorder->Record(Record(d, 1, 3.0f, 10.0f)));
    ASSERT_TRUE(recorder->Record(Record(d, 2, 6.0f, 10.0f)));
    ASSERT_TRUE(recorder->WaitUntilDelivered(5s)) << recorder->Status().problem;
    recorder->Stop();

    auto db = OpenDb();
    const ResultsTable t = Query(*db);
    ASSERT_EQ(t.rows.size(), 4u);
    const DbRow& ni = t.rows[0];
    auto col = [&](const DbRow& row, const char* name) {
        return row[std::find(t.columns.begin(), t.columns.end(), name) - t.columns.begin()];
    };
    EXPECT_EQ(Str(col(ni, "lot")), "LOT-7");
    EXPECT_EQ(Str(col(ni, "customer")), "Acme");
    EXPECT_EQ(Str(col(ni, "tested_by")), "Ann");
    EXPECT_EQ(Str(col(ni, "host")), "bench-1");
    EXPECT_EQ(Str(col(ni, "time")), "09:30:15");
    EXPECT_EQ(std::get<double>(col(ni, "calibration")), 2.5);
    EXPECT_EQ(Str(col(ni, "calibration_date")), "2026-03-04");
    EXPECT_EQ(std::get<double>(col(ni, "value_um")), 3.0);
    EXPECT_NE(Str(col(ni, "value_shown")).find("3."), std::string::npos);
    EXPECT_GT(std::get<double>(col(ni, "dissolved_weight_mg")), 0.0);
    EXPECT_GT(std::get<double>(col(ni, "adhesion_g_m2")), 0.0);
    EXPECT_EQ(Str(col(ni, "verdict")), "inside");
    EXPECT_EQ(Str(col(t.rows[2], "verdict")), "above");
    EXPECT_EQ(Str(col(t.rows[1], "coating")), "Cu");
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM conditions"), 1);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM condition_layers WHERE layer = 0"), 1);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM condition_layers"), 2);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements WHERE calibration_overdue = 0"), 2);

    EXPECT_EQ(Query(*db, Filter("LOT-8")).rows.size(), 0u);
    EXPECT_EQ(Query(*db, Filter("LOT-7", 1)).rows.size(), 4u);
    EXPECT_EQ(Query(*db, Filter("", {}, "2026-12-11")).rows.size(), 0u);
    EXPECT_EQ(Query(*db, Filter("", {}, "", "2026-12-10", "bench-1")).rows.size(), 4u);
    EXPECT_EQ(Query(*db, Filter("", {}, "", "", "t2")).rows.size(), 0u);
}

TEST_F(RecorderTest, EventsLeaveATrailAndFollowTheLog) {
    const MeasFileData d = WriteChannel(0, {});
    auto recorder = MakeRecorder();
    ASSERT_TRUE(recorder->Start(false));
    // The third one's first layer took an additional electrolysis before it was complete.
    recorder->Record(Event(RecordEventKind::AdditionalElectrolysis, 3, 0, 2.5, 3.0));
    for (std::uint32_t n = 1; n <= 3; ++n)
        recorder->Record(Record(d, n, 1.0f * static_cast<float>(n), 10.0f));
    // The first measurement goes; the others move down by one.
    recorder->Record(Event(RecordEventKind::Removal, 1));
    recorder->Record(Event(RecordEventKind::Correction, 1, 0, 2.0, 2.5));
    recorder->Record(Event(RecordEventKind::Cancellation, 2));
    ASSERT_TRUE(recorder->WaitUntilDelivered(5s)) << recorder->Status().problem;
    recorder->Stop();

    auto db = OpenDb();
    const ResultsTable t = Query(*db);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(std::get<std::int64_t>(t.rows[0][3]), 1);  // data number now
    EXPECT_EQ(std::get<double>(t.rows[0][16]), 2.5);     // corrected value
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements"), 3);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements WHERE state = 'removed'"), 1);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements WHERE state = 'cancelled'"), 1);

    ResultsTable history;
    ASSERT_TRUE(QueryHistory(*db, 1, 2, history).ok());
    std::vector<std::string> what;
    for (const DbRow& row : history.rows)
        what.push_back(Str(row[1]));
    // Data number 2: the measurement recorded there (corrected after it moved down) and the
    // one cancelled there after it had moved down from 3.
    EXPECT_EQ(what,
              (std::vector<std::string>{"measured as number 2", "measured as number 3",
                                        "cancellation of number 2", "correction of number 1"}));
    ASSERT_TRUE(QueryHistory(*db, 1, 3, history).ok());
    // The measurement recorded as 3: its electrolysis and its cancellation after it moved.
    ASSERT_EQ(history.rows.size(), 3u);
    EXPECT_EQ(Str(history.rows[0][1]), "measured as number 3");
    EXPECT_EQ(Str(history.rows[1][1]), "additional electrolysis of number 3");
    EXPECT_EQ(history.rows[1][5], DbValue(3.0));
    EXPECT_EQ(Str(history.rows[2][1]), "cancellation of number 2");
}

TEST_F(RecorderTest, DeliveryAndSyncRecordEachMeasurementOnce) {
    const MeasFileData d = WriteChannel(0, {3.0f, 10.0f, 4.0f, 10.0f, 5.0f, 11.0f});
    auto db = OpenDb();
    ASSERT_TRUE(MigrateSchema(*db).ok());
    OutboxRecord live;
    live.sequence = 1;
    live.measurement = Record(d, 3, 5.0f, 11.0f);
    // Delivered, then delivered again after a crash before the mark moved.
    const DbResult first = DeliverRecord(*db, tester, "box", live, "now");
    ASSERT_TRUE(first.ok()) << first.message;
    ASSERT_TRUE(DeliverRecord(*db, tester, "box", live, "now").ok());
    SyncCounts counts;
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", counts).ok());
    EXPECT_EQ(counts.recorded, 2);
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", counts).ok());
    EXPECT_EQ(counts.recorded, 2);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements"), 3);
    // A sync first, then the outbox: the live record finds its measurement.
    live.sequence = 2;
    ASSERT_TRUE(DeliverRecord(*db, tester, "box", live, "now").ok());
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements"), 3);

    // The start-up's quick look passes over a complete channel and finds a changed last one.
    SyncCounts quick;
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", quick, {}, true).ok());
    EXPECT_EQ(quick.recorded + quick.retired, 0);
    WriteChannel(0, {3.0f, 10.0f, 4.0f, 10.0f, 5.5f, 11.0f});
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", quick, {}, true).ok());
    EXPECT_EQ(quick.recorded, 1);
    EXPECT_EQ(quick.retired, 1);

    // The data were erased and measured anew: the old rows leave the log, the new ones come.
    WriteChannel(0, {7.0f, 10.0f});
    SyncCounts stopped;
    std::vector<int> heard;
    auto stopAtOne = [&heard](int channel) {
        heard.push_back(channel);
        return false;
    };
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", stopped, stopAtOne).ok());
    EXPECT_EQ(heard, std::vector<int>{1});
    EXPECT_EQ(stopped.recorded + stopped.retired, 0);
    SyncCounts again;
    ASSERT_TRUE(SyncChannels(*db, store, tester, "now", again).ok());
    EXPECT_EQ(again.recorded, 1);
    EXPECT_EQ(again.retired, 3);
    EXPECT_EQ(Query(*db).rows.size(), 2u);
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM measurements WHERE state = 'not in log'"), 4);
}

TEST_F(RecorderTest, StartFindsMeasurementsNothingRecorded) {
    WriteChannel(4, {3.0f, 10.0f, 4.0f, 10.0f});
    auto recorder = MakeRecorder();
    ASSERT_TRUE(recorder->Start(true));
    auto db = OpenDb();
    // The schema comes with the recorder's first connection.
    ResultsTable table;
    for (int i = 0; i < 500 && (!QueryResults(*db, {}, table).ok() || table.rows.size() < 4); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(Query(*db, Filter("", 5)).rows.size(), 4u) << recorder->Status().problem;
}

// Each way the database can fail the recorder: a clear problem, the record kept.
TEST_F(RecorderTest, RecordsWaitInTheOutboxWhileTheDatabaseCannotTakeThem) {
    struct Case {
        const char* name;
        std::string url;
        std::function<void(const std::string& file)> prepare;
        const char* problem;
    };
    const Case cases[] = {
        {"wrong url", "mysql://lab/results", {}, "neither sqlite: nor postgresql://"},
        {"not a database", "",
         [](const std::string& file) { WriteTestFile(file, std::string(4096, 'x')); },
         "file is not a database"},
        {"newer schema", "",
         [](const std::string& file) {
             CSqliteDatabase db(file);
             ASSERT_TRUE(db.Open().ok());
             ASSERT_TRUE(MigrateSchema(db).ok());
             ASSERT_TRUE(db.Execute("UPDATE schema_version SET version = 99").ok());
         },
         "has schema version 99; this program knows up to 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir data;
        if (c.prepare)
            c.prepare(data.File(kResultsDatabaseFile));
        OpenedResultsDatabase opened = OpenResultsDatabase(c.url, data.Path());
        CResultsRecorder recorder(data.Path(), std::move(opened.db), opened.problem, tester,
                                  {10ms, 20ms});
        ASSERT_TRUE(recorder.Start(false));
        ASSERT_TRUE(recorder.Record(Record(WriteChannel(0, {}), 1, 3.0f, 10.0f)));
        EXPECT_FALSE(recorder.WaitUntilDelivered(100ms));
        const RecorderStatus status = recorder.Status();
        EXPECT_EQ(status.waiting, 1);
        EXPECT_NE(status.problem.find(c.problem), std::string::npos) << status.problem;
        EXPECT_EQ(status.problemSerial, 1u) << "told once";
    }
}

TEST_F(RecorderTest, AnOutboxThatCannotBeReadTakesNoRecord) {
    ASSERT_TRUE(MakeDirectory(dir.File(kOutboxFile)));
    auto recorder = MakeRecorder();
    EXPECT_FALSE(recorder->Start(false));
    EXPECT_FALSE(recorder->Record(Record(WriteChannel(0, {}), 1, 3.0f, 10.0f)));
    EXPECT_NE(recorder->Status().problem.find("cannot be"), std::string::npos)
        << recorder->Status().problem;
    EXPECT_EQ(recorder->Status().waiting, 0);
}

TEST_F(RecorderTest, ALockedDatabaseHoldsRecordsUntilItIsFree) {
    const MeasFileData d = WriteChannel(0, {});
    CSqliteDatabase other(dir.File(kResultsDatabaseFile));
    ASSERT_TRUE(other.Open().ok());
    ASSERT_TRUE(MigrateSchema(other).ok());
    ASSERT_TRUE(other.Begin().ok());

    OpenedResultsDatabase opened{
        std::make_unique<CSqliteDatabase>(dir.File(kResultsDatabaseFile), 20), {}};
    CResultsRecorder recorder(dir.Path(), std::move(opened.db), {}, tester, {10ms, 20ms});
    ASSERT_TRUE(recorder.Start(false));
    ASSERT_TRUE(recorder.Record(Record(d, 1, 3.0f, 10.0f)));
    EXPECT_FALSE(recorder.WaitUntilDelivered(200ms));
    EXPECT_NE(recorder.Status().problem.find("locked"), std::string::npos)
        << recorder.Status().problem;
    other.Rollback();
    ASSERT_TRUE(recorder.WaitUntilDelivered(5s));
    EXPECT_EQ(recorder.Status().problem, "");
    EXPECT_EQ(Count(other, "SELECT COUNT(*) FROM measurements"), 1);
}

}  // namespace
}  // namespace klv::test
