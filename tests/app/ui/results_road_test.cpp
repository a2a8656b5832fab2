#include <QtTest>

#include "app/ui/measurement_road.h"
#include "records/database_url.h"
#include "records/engines/open_results_database.h"
#include "records/results_query.h"

namespace klv {

// The main window records its measurements and cancellations in the results database.
class ResultsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void lotIsShownAndMeasurementAndCancellationAreRecorded();
    void aDatabaseOutOfReachKeepsTheResultsWaitingAndSaysWhyOnce();
};

namespace {

MeasFileData LotCondition() {
    MeasFileData d = test::CopperCondition();
    SetFixedText(d.szLotNo, "LOT-9");
    SetFixedText(d.szCustomer, "Acme");
    SetFixedText(d.szTester, "Ann");
    return d;
}

std::unique_ptr<CResultsRecorder> StartRecorder(test::Road& road, const std::string& url) {
    OpenedResultsDatabase opened = OpenResultsDatabase(url, road.p.dir.Path());
    auto recorder = std::make_unique<CResultsRecorder>(
        road.p.dir.Path(), std::move(opened.db), opened.problem, TesterIdentity{"t", "h"},
        CResultsRecorder::Options{std::chrono::milliseconds(10), std::chrono::milliseconds(20)});
    recorder->now = [] { return std::string("now"); };
    recorder->Start(false);
    road.p.app.Recording().SetRecorder(recorder.get());
    return recorder;
}

std::vector<DbRow> Rows(ResultsDatabase& db, const char* sql) {
    std::vector<DbRow> rows;
    db.Query(sql, {}, rows);
    return rows;
}

}  // namespace

void ResultsRoadTest::lotIsShownAndMeasurementAndCancellationAreRecorded() {
    test::RunRoad(0, LotCondition(), [](test::Road& road) {
        QCOMPARE(road.w.Face().LotLine()->text(),
                 QStringLiteral("Lot No.: LOT-9    Customer: Acme"));
        auto recorder = StartRecorder(road, "");
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        QVERIFY(recorder->WaitUntilDelivered(std::chrono::seconds(5)));
        auto db = OpenResultsDatabase("", road.p.dir.Path()).db;
        QVERIFY(db->Open().ok());
        ResultsTable table;
        QVERIFY(QueryResults(*db, {}, table).ok());
        QCOMPARE(table.rows.size(), std::size_t{1});
        QCOMPARE(std::get<std::string>(table.rows[0][6]), std::string("LOT-9"));
        QCOMPARE(std::get<double>(table.rows[0][16]),
                 static_cast<double>(road.Record(0).lMeasValue));

        road.p.op.Answer(IDYES);
        road.w.OnCommand(cmd::kCancelLastData);
        QCOMPARE(road.Channel().Condition()->nItemCt, 0u);
        QVERIFY(recorder->WaitUntilDelivered(std::chrono::seconds(5)));
        const auto events = Rows(*db, "SELECT kind, data_number, by_whom FROM events");
        QCOMPARE(events.size(), std::size_t{1});
        QCOMPARE(events[0],
                 (DbRow{std::string("cancellation"), std::int64_t{1}, std::string("Ann")}));
        QVERIFY(QueryResults(*db, {}, table).ok());
        QCOMPARE(table.rows.size(), std::size_t{0});
        road.w.UpdateOutboxLine();
        QCOMPARE(road.w.Face().OutboxLine()->text(), QString());
        road.p.app.Recording().SetRecorder(nullptr);
    });
}

void ResultsRoadTest::aDatabaseOutOfReachKeepsTheResultsWaitingAndSaysWhyOnce() {
    test::RunRoad(0, LotCondition(), [](test::Road& road) {
        auto recorder = StartRecorder(road, "mysql://lab/results");
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
        road.p.op.Clear();
        road.w.UpdateOutboxLine();
        road.w.UpdateOutboxLine();
        QCOMPARE(road.w.Face().OutboxLine()->text(),
                 QStringLiteral("1 result waits for the results database"));
        QVERIFY(road.w.Face().OutboxLine()->toolTip().contains("mysql://lab/results"));
        QCOMPARE(road.p.op.Texts().size(), std::size_t{1});
        QVERIFY(road.p.op.Texts()[0].find("neither sqlite: nor postgresql://") !=
                std::string::npos);
        road.p.app.Recording().SetRecorder(nullptr);
    });
}

}  // namespace klv

QTEST_MAIN(klv::ResultsRoadTest)
#include "results_road_test.moc"
