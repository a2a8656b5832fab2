#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTableView>
#include <QtTest>

#include "app/command_ids.h"
#include "app/control_enabling.h"
#include "app/ui/measurement_road.h"
#include "stats/gross_statistics.h"
#include "stats/statistics_mode.h"
#include "stats/ui/simple_stat.h"
#include "stats/ui/statistics_window.h"

namespace klv {

using namespace test;

namespace {

// Copper with statistics "N" over a total of `total` data.
MeasFileData CountedCopper(int total) {
    MeasFileData d = CopperCondition();
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = kStatModeN;
    d.nStatTotal = total;
    return d;
}

CSimpleStat& Panel(Road& road) {
    return *road.w.Face().SimpleStat();
}

QStringList Numbers(Road& road) {
    QStringList numbers;
    for (const SimpleStatRow& row : Panel(road).Data().Texts().rows)
        numbers << QString::fromStdString(row.number);
    return numbers;
}

void AnswerDataOver(ModalDriver& modal, const char* choice) {
    modal.When("CDataOver", [choice](QWidget& d) {
        QVERIFY(!Find<QAbstractButton>(d, "ok")->isEnabled());
        Press(d, choice);
        Press(d, "ok");
    });
}

}  // namespace

class StatisticsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void panelFollowsEveryStoredAndCancelledData();
    void dataOverKeepsTheDataAndEndsTheChannel();
    void dataOverAsksAgainUntilTheDataAreDeleted();
    void panelSettingsAreReadAndWritten();
    void temporaryStatisticsDeletesThroughTheWindow();
};

void StatisticsRoadTest::panelFollowsEveryStoredAndCancelledData() {
    RunRoad(0, CountedCopper(50), [](Road& road) {
        CSimpleStat& panel = Panel(road);
        QVERIFY(panel.Data().Texts().rows.empty());
        QVERIFY(!Find<QAbstractButton>(panel, "deleteIndication")->isEnabled());
        QCOMPARE(panel.CoatTitle(0), QStringLiteral("Cu"));
        QCOMPARE(panel.UnitTitle(0), QStringLiteral("[um]"));
        std::uint32_t first = 0, second = 0;
        road.MeasureLayer(first);
        road.MeasureLayer(second);
        QCOMPARE(Numbers(road), (QStringList{"1", "2"}));
        const auto* list = Find<QListWidget>(panel, "simpleStatList");
        QCOMPARE(list->currentRow(), 1);
        const float a = road.ValueOf(first, 0), b = road.ValueOf(second, 0);
        const int decimals = FindResolution(1, kRange1_1)->decimals;
        QCOMPARE(QString::fromStdString(panel.Data().Texts().average[0]).trimmed(),
                 QString::number(static_cast<double>((a + b) / 2.0f), 'f', decimals));
        QVERIFY(!panel.Data().Texts().stdDev[0].empty());

        road.w.OnCommand(cmd::kCancelLastData);
        QCOMPARE(Numbers(road), QStringList{"1"});
        QVERIFY(panel.Data().Texts().stdDev[0].empty());

        Click(panel, "deleteIndication");
        QVERIFY(Numbers(road).isEmpty());
        QVERIFY(!Find<QAbstractButton>(panel, "deleteIndication")->isEnabled());
        road.MeasureLayer(second);
        QCOMPARE(Numbers(road), QStringList{"2"});
        // Ending the measurement empties the panel; the channel opened again shows all.
        road.w.OnCommand(cmd::kEndMeasurement);
        QVERIFY(Numbers(road).isEmpty());
        QCOMPARE(panel.CoatTitle(0), QString());
        QVERIFY(road.p.app.Profile().WriteProfileString("Measurement", "MeasFileNbr", "1,0"));
        QVERIFY(road.Channel().SelectMeasureFile(true));
        QCOMPARE(Numbers(road), (QStringList{"1", "2"}));
    });
}

void StatisticsRoadTest::dataOverKeepsTheDataAndEndsTheChannel() {
    RunRoad(0, CountedCopper(2), [](Road& road) {
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        QVERIFY(road.Channel().IsOpen());
        ModalDriver modal;
        // The offer is taken: the window shows both data under its caption.
        modal.When("CStatistics", [](QWidget& window) {
            const auto close = qScopeGuard([&window] { Click(window, "closeButton"); });
            QCOMPARE(window.windowTitle(), QStringLiteral("Gross statistics"));
            QCOMPARE(Find<QLabel>(window, "totalData")->text(), QStringLiteral("2"));
        });
        AnswerDataOver(modal, "anotherChannel");
        road.MeasureLayer(count);
        QTRY_VERIFY(!road.Channel().IsOpen());
        QCOMPARE(road.p.op.Texts(), std::vector<std::string>{kMsgGrossStatisticsStage});
        QVERIFY(!road.p.app.Profile().HasProfileKey("Measurement", "MeasFileNbr"));
        QVERIFY(Numbers(road).isEmpty());
        MeasFileData stored{};
        QVERIFY(road.p.app.Conditions().ReadConditionFile(0, stored, true));
        QCOMPARE(stored.nItemCt, 2u);
    });
}

void StatisticsRoadTest::dataOverAsksAgainUntilTheDataAreDeleted() {
    MeasFileData d = CountedCopper(2);
    d.nItemCt = 2;
    d.wFirstDate = d.wLastDate = PackDate(2026, 12, 8);
    RunRoad(0, d, [](Road& road) {
        {
            const std::vector<MsrLogRecord> log(2, Measured(1.5f, PackDate(2026, 12, 8)));
            QVERIFY(WriteMsrLogFile(road.p.app.Conditions(), 0, log.data(), 0, 2));
        }
        QCOMPARE(
            road.Status(),
            QStringLiteral(" Amount of measurement data have reached to the gross statistics."));
        ModalDriver modal;
        // The items kept, then cancelled, a refused erase: "Data over" comes back each time.
        modal.When("CStatItemSet", [](QWidget& w) { Click(w, "okButton"); });
        road.p.op.Answer(IDNO);  // no statistics window this time
        AnswerDataOver(modal, "changeItems");
        modal.When("CStatItemSet", [](QWidget& w) { Click(w, "cancelButton"); });
        AnswerDataOver(modal, "deleteData");
        road.p.op.Answer(IDNO);
        AnswerDataOver(modal, "deleteData");
        road.p.op.Answer(IDYES);
        road.w.OnCommand(cmd::kStatisticsItemSet);
        QTRY_VERIFY(road.Channel().Condition()->nItemCt == 0);
        QVERIFY(road.Channel().IsOpen());
        QVERIFY(Numbers(road).isEmpty());
        QCOMPARE(road.Status(), QStringLiteral(" Set a test sample and start."));
    });
}

void StatisticsRoadTest::panelSettingsAreReadAndWritten() {
    ProgramUnderTest p;
    {
        ProfileFile ini(p.dir.File("KLV570.ini"));
        QVERIFY(ini.WriteProfileInt("SimpleStat", "DataCt", 20));
        QVERIFY(ini.WriteProfileInt("SimpleStat", "Col0Width", 160));
    }
    QVERIFY(p.RunMainWindow([&](CKLV570Dlg& w) {
        ModalDriver modal;
        modal.When("measFileList", [](QWidget& d) { static_cast<QDialog&>(d).reject(); });
        // Only a window that was set up saves its settings.
        w.StartDevice();
        CSimpleStat& panel = *w.Face().SimpleStat();
        QCOMPARE(panel.Data().ShownCount(), 20);
        QCOMPARE(panel.Columns().col0, 160);
        // The value area is at least its default and holds the fifth layer's cell whole,
        // clear of its divider.
        const SimpleStatColumns columns = panel.Columns();
        QVERIFY(columns.col1 >= 269);
        QVERIFY(columns.CellLeft(kMaxLayers - 1, panel.CharWidth()) +
                    SimpleStatColumns::CellWidth(panel.CharWidth()) <
                columns.SecondDivider());
        QCOMPARE(Find<QComboBox>(panel, "statDataNumber")->currentText(), QStringLiteral(" 20"));
        test::Choose(panel, "statDataNumber", 5);
    }));
    ProfileFile ini(p.dir.File("KLV570.ini"));
    QCOMPARE(ini.GetProfileInt("SimpleStat", "DataCt", 0), 100);
    QCOMPARE(ini.GetProfileInt("SimpleStat", "Col0Width", 0), 160);
    QVERIFY(ini.GetProfileInt("SimpleStat", "Col1Width", 0) >= 269);
}

void StatisticsRoadTest::temporaryStatisticsDeletesThroughTheWindow() {
    RunRoad(0, CountedCopper(50), [](Road& road) {
        QVERIFY(!IsCommandEnabled(cmd::kTemporaryStatistics, road.w.State()));
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        road.MeasureLayer(count);
        QVERIFY(IsCommandEnabled(cmd::kTemporaryStatistics, road.w.State()));
        road.p.app.Calibration().dwFlags |= kStoreStatDataModifiable;
        ModalDriver modal;
        modal.When("CStatistics", [](QWidget& window) {
            const auto close = qScopeGuard([&window] { Click(window, "closeButton"); });
            QCOMPARE(window.windowTitle(), QStringLiteral("Temporary statistics"));
            auto& stats = static_cast<CStatistics&>(window);
            QVERIFY(stats.ActivatePage(kPageMeasData));
            auto* view = Find<QTableView>(window, "measDataList");
            view->selectRow(0);
            Click(window, "delete");
            QCOMPARE(view->model()->rowCount(), 1);
        });
        road.w.OnCommand(cmd::kTemporaryStatistics);
        QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
        QCOMPARE(Numbers(road), QStringList{"1"});
    });
}

}  // namespace klv

QTEST_MAIN(klv::StatisticsRoadTest)
#include "statistics_road_test.moc"
