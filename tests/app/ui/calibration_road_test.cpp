#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "app/ui/condition_table.h"
#include "app/ui/measurement_road.h"
#include "app/ui/potential_graph_link.h"
#include "measure/standard_calibration.h"
#include "measure/ui/level_meter.h"
#include "measure/ui/potential_measure_dialog.h"
#include "measure/ui/standard_calibrate_dialog.h"
#include "reference/coating_table.h"
#include "stats/gross_statistics.h"
#include "stats/statistics_mode.h"

namespace klv {

using namespace test;

namespace {

MeasFileData NickelCondition() {
    return DemoCondition({Layer(kCoatNickel, "Ni")}, "Ni demo");
}

}  // namespace

class CalibrationRoadTest : public QObject {
    Q_OBJECT

private slots:
    void standardCalibrationCorrectsTheNextTracedMeasurement();
    void graphWindowKeepsItsSettingsAndTheCustomColours();
    void observationReadsNickelOverNickelOffTheGraph();
    void observationAsksAboutADueCalibrationAndFlagsTheMeasurement();
    void grossStatisticsEndingAnObservationLeavesTheInputToClose();
};

void CalibrationRoadTest::standardCalibrationCorrectsTheNextTracedMeasurement() {
    RunRoad(0, NickelCondition(), [](Road& road) {
        road.w.OnCommand(cmd::kPotentialGraph);
        QVERIFY(road.w.Graph().IsOpen());
        ModalDriver modal;
        QStringList values;
        modal.When("CStandardCalibrate", [&](QWidget& dialog) {
            Find<QLineEdit>(dialog, "ctl4112")->setText("10");
            // 10 counts a µm: 11.2 µm is +12 %.
            MeasureStandard(road, dialog, 112);
            auto* list = Find<QListWidget>(dialog, "ctl4102");
            for (int i = 0; i < list->count(); ++i)
                values << list->item(i)->text();
            Press(dialog, "ctl32812");
        });
        road.w.OnCommand(cmd::kStandardCalibration);
        QCOMPARE(values, QStringList{" +12%"});
        QVERIFY(road.p.op.Texts().empty());  // no worn gasket
        const GasketCalibrationRecord& a = road.p.app.Calibration().gasket[kGasketA];
        QVERIFY(std::abs(a.fCalValue - 12.0f) < 1e-3f);
        QCOMPARE(road.w.Face().ConditionTable()->CellText(4, 7).trimmed(), QString("+12%"));

        // The next measurement of the channel is traced and shown by the level meter.
        std::uint32_t count = 0;
        road.PressF2();
        road.EndBlanking();
        QVERIFY(road.w.Face().LevelMeter()->IsRunning());
        CountTo(road, 20);
        // The next poll fills the trace up to now: one sample per 100 ms of the 16 s.
        CPotentialTrace& trace = road.p.app.Trace();
        QTRY_VERIFY(trace.Count() >= 160);
        road.Trip(count);
        QCOMPARE(trace.Condition().layer, 0);
        QCOMPARE(road.w.Face().LevelMeter()->Level(), kLevelMeterTop);
        QTRY_COMPARE(road.w.Graph().Window()->Graph().PixelCountNow(),
                     PixelCount(trace.Interval(), trace.Count(), 200));
    });
}

void CalibrationRoadTest::graphWindowKeepsItsSettingsAndTheCustomColours() {
    RunRoad(0, NickelCondition(), [](Road& road) {
        ProfileFile& ini = road.p.app.Profile();
        QVERIFY(ini.WriteProfileInt("PotentialGraph", "SamplingTime", 300));  // not in the list
        QVERIFY(ini.WriteProfileString("General", "CustomColors", "255,65280"));
        road.w.OnCommand(cmd::kPotentialGraph);
        CPotentialGraph& graph = road.w.Graph().Window()->Graph();
        QCOMPARE(graph.Settings().timePerPixel, 200);
        QCOMPARE(graph.Settings().graphColor, 32768u);
        graph.SetTimePerPixel(1600);
        graph.SetFullScale(500);

        ModalDriver modal;
        modal.When("QColorDialog", [](QWidget& w) {
            auto& dialog = static_cast<QColorDialog&>(w);
            QCOMPARE(QColorDialog::customColor(0), QColor(255, 0, 0));
            QCOMPARE(QColorDialog::customColor(1), QColor(0, 255, 0));
            QColorDialog::setCustomColor(2, QColor(0, 0, 255));
            dialog.setCurrentColor(QColor(1, 2, 3));
            dialog.accept();
        });
        QColor chosen(Qt::black);
        QVERIFY(ChooseColorWithCustom(road.w.Graph().Window(), chosen, ini));
        QCOMPARE(chosen, QColor(1, 2, 3));
        QVERIFY(QString::fromStdString(ini.GetProfileString("General", "CustomColors", ""))
                    .startsWith("255,65280,16711680,"));

        road.w.OnCommand(cmd::kPotentialGraph);
        QVERIFY(!road.w.Graph().IsOpen());
        QCOMPARE(ini.GetProfileInt("PotentialGraph", "SamplingTime", 0), 1600);
        QCOMPARE(ini.GetProfileInt("PotentialGraph", "FullScale", 0), 500);
        QCOMPARE(ini.GetProfileInt("PotentialGraph", "crCursor", 0), 8388608);
    });
}

void CalibrationRoadTest::observationReadsNickelOverNickelOffTheGraph() {
    const MeasFileData d =
        DemoCondition({Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Ni")}, "Ni on Ni");
    RunRoad(0, d, [](Road& road) {
        ModalDriver modal;
        std::vector<MsrLogRecord> stored;
        modal.When("CPotentialMeasure", [&](QWidget& w) {
            auto& dialog = static_cast<CPotentialMeasure&>(w);
            QCOMPARE(Find<QLabel>(w, "guidance")->text(), QString("Set a test sample and start."));
            MeasureInDialog(road, w, 60);
            // The first layer lies on nickel: its thickness is read off the graph.
            QTRY_VERIFY(dialog.ThicknessInput() != nullptr);
            CThicknessDrop& input = *dialog.ThicknessInput();
            QVERIFY(input.findChild<QLineEdit*>("thickness1") == nullptr);
            input.Field(0)->setText("-1");
            Press(input, "ok");
            QCOMPARE(road.p.op.Texts().back(), std::string("Value of minus can't be specified."));
            input.Field(0)->setText("4.25");
            Press(input, "ok");
            QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
            QCOMPARE(Find<QLabel>(w, "guidance")->text(),
                     QString("Change the test solution and re-start."));
            // The second lies on the steel and is measured as the instrument counts.
            MeasureInDialog(road, w, 30);
            QCOMPARE(road.Channel().Condition()->nItemCt, 2u);
            stored = {road.Record(0), road.Record(1)};
            Press(w, "ctl32812");
        });
        road.w.OnCommand(cmd::kObservationMeasurement);
        QCOMPARE(stored.size(), std::size_t{2});
        QCOMPARE(stored[0].lMeasValue, 4.25f);
        QCOMPARE(stored[1].lMeasValue, 3.0f);
        QVERIFY(!road.Channel().Session()->IsObservation());
        QVERIFY(road.p.app.Trace().Count() > 0);
    });
}

// F2 in the observation asks about a due calibration as the main window's F2 does.
void CalibrationRoadTest::observationAsksAboutADueCalibrationAndFlagsTheMeasurement() {
    RunRoad(0, NickelCondition(), [](Road& road) {
        road.p.app.Calibration() = test::CalibratedGasketA(1.0f);  // 2026/03/04
        QVERIFY(road.p.app.Profile().WriteProfileInt("Calibration", "IntervalA", 30));
        road.p.clock.SetDate(2026, 4, 3);
        const std::string question =
            "The calibration of gasket A is due since 2026/04/03. Measure anyway?";
        ModalDriver modal;
        modal.When("CPotentialMeasure", [&](QWidget& w) {
            road.p.op.Answer(IDNO);
            Press(w, "ctl32810");
            QCOMPARE(road.p.op.Texts().back(), question);
            QVERIFY(!road.Channel().IsMeasuring());
            QVERIFY(Find<QAbstractButton>(w, "ctl32810")->isEnabled());
            road.p.op.Answer(IDYES);
            MeasureInDialog(road, w, 30);
            QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
            Press(w, "ctl32812");
        });
        road.w.OnCommand(cmd::kObservationMeasurement);
        QVERIFY(road.Channel().TakenWithDueCalibration(1));
    });
}

// The last layer's value typed in ends the channel's gross statistics, and with it the
// observation, from inside the input's own OK.
void CalibrationRoadTest::grossStatisticsEndingAnObservationLeavesTheInputToClose() {
    MeasFileData d = NickelCondition();
    d.bBaseCode = 5;  // nickel: the only layer is read off the graph
    SetFixedText(d.baseName, "Ni");
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = kStatModeN;
    d.nStatTotal = 1;
    RunRoad(0, d, [](Road& road) {
        ModalDriver modal;
        bool inputAccepted = false;
        modal.When("CPotentialMeasure", [&](QWidget& w) {
            auto& dialog = static_cast<CPotentialMeasure&>(w);
            MeasureInDialog(road, w, 60);
            QTRY_VERIFY(dialog.ThicknessInput() != nullptr);
            QPointer<CThicknessDrop> input = dialog.ThicknessInput();
            connect(input, &QDialog::accepted, [&] { inputAccepted = true; });
            road.p.op.Answer(IDNO);  // no statistics window
            modal.When("CDataOver", [](QWidget& over) {
                Press(over, "anotherChannel");
                Press(over, "ok");
            });
            input->Field(0)->setText("4.25");
            Press(*input, "ok");
            QVERIFY(!w.isVisible());
            QTRY_VERIFY(input.isNull());
        });
        road.w.OnCommand(cmd::kObservationMeasurement);
        QVERIFY(inputAccepted);
        QCOMPARE(road.p.op.Texts().back(), std::string(kMsgGrossStatisticsStage));
        QVERIFY(!road.Channel().IsOpen());
        MeasFileData stored{};
        QVERIFY(road.p.app.Conditions().ReadConditionFile(0, stored, true));
        QCOMPARE(stored.nItemCt, 1u);
    });
}

}  // namespace klv

QTEST_MAIN(klv::CalibrationRoadTest)
#include "calibration_road_test.moc"
