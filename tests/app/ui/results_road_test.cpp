#include <QInputDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

#include "app/command_ids.h"
#include "app/ui/measurement_road.h"
#include "records/database_url.h"
#include "records/engines/open_results_database.h"
#include "records/results_query.h"
#include "support/ui/pdf_text.h"

namespace klv {

// The main window records its measurements and cancellations in the results database.
class ResultsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void lotIsShownAndMeasurementAndCancellationAreRecorded();
    void aDatabaseOutOfReachKeepsTheResultsWaitingAndSaysWhyOnce();
    void statisticsWindowWritesTheLotsCertificate();
    void aMeasurementTakenWithADueCalibrationIsFlagged();
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

// "Certificate" asks for the lot (the channel's by default) and the file, then says what came.
void ResultsRoadTest::statisticsWindowWritesTheLotsCertificate() {
    MeasFileData d = LotCondition();
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 50;
    test::RunRoad(0, d, [](test::Road& road) {
        auto recorder = StartRecorder(road, "");
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        road.MeasureLayer(count);
        QVERIFY(recorder->WaitUntilDelivered(std::chrono::seconds(5)));
        const std::string pdf = road.p.dir.File("cert.pdf");
        test::ModalDriver modal;
        modal.When("CStatistics", [&](QWidget& window) {
            const auto close = qScopeGuard([&window] { test::Click(window, "closeButton"); });
            modal.When("certificateLotDialog", [](QWidget& w) {
                auto& ask = static_cast<QInputDialog&>(w);
                QCOMPARE(ask.textValue(), QStringLiteral("LOT-9"));
                ask.accept();
            });
            modal.When("fileDialog", [&](QWidget& w) {
                test::AnswerFileDialog(static_cast<QFileDialog&>(w), QString::fromStdString(pdf));
            });
            test::Click(window, "certificateButton");
            modal.When("certificateLotDialog", [](QWidget& w) {
                auto& ask = static_cast<QInputDialog&>(w);
                ask.setTextValue(QStringLiteral("LOT-0"));
                ask.accept();
            });
            modal.When("fileDialog", [&](QWidget& w) {
                test::AnswerFileDialog(static_cast<QFileDialog&>(w),
                                       QString::fromStdString(road.p.dir.File("none.pdf")));
            });
            test::Click(window, "certificateButton");
        });
        road.p.op.Clear();
        road.w.OnCommand(cmd::kTemporaryStatistics);
        QCOMPARE(road.p.op.Texts(),
                 (std::vector<std::string>{
                     "The certificate of lot LOT-9 is written to " + pdf + " (1 page).",
                     "No measurement of lot LOT-0 is recorded."}));
        const QString text = test::PdfText(QString::fromStdString(pdf));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Readings: +2\n"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Lot: +LOT-9\n"))));
        QVERIFY(!QFile::exists(QString::fromStdString(road.p.dir.File("none.pdf"))));
        road.p.app.Recording().SetRecorder(nullptr);
    });
}

void ResultsRoadTest::aMeasurementTakenWithADueCalibrationIsFlagged() {
    test::RunRoad(0, LotCondition(), [](test::Road& road) {
        road.p.app.Calibration() = test::CalibratedGasketA(1.0f);  // 2026/03/04
        QVERIFY(road.p.app.Profile().WriteProfileInt("Calibration", "IntervalA", 30));
        road.p.clock.SetDate(2026, 4, 3);
        auto recorder = StartRecorder(road, "");
        road.p.op.Answer(IDYES);  // measure anyway
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        road.p.clock.SetDate(2026, 4, 2);
        road.MeasureLayer(count);
        QVERIFY(recorder->WaitUntilDelivered(std::chrono::seconds(5)));
        auto db = OpenResultsDatabase("", road.p.dir.Path()).db;
        QVERIFY(db->Open().ok());
        ResultsTable table;
        QVERIFY(QueryResults(*db, {}, table).ok());
        QCOMPARE(table.columns[13], std::string("calibration_overdue"));
        QCOMPARE(table.rows.size(), std::size_t{2});
        QCOMPARE(table.rows[0][13], DbValue(std::int64_t{1}));
        QCOMPARE(table.rows[1][13], DbValue(std::int64_t{0}));
        road.p.app.Recording().SetRecorder(nullptr);
    });
}

}  // namespace klv

QTEST_MAIN(klv::ResultsRoadTest)
#include "results_road_test.moc"
