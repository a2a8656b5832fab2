#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "app/ui/condition_table.h"
#include "app/ui/measurement_road.h"
#include "app/ui/potential_graph_link.h"
#include "measure/standard_calibration.h"
#include "measure/ui/level_meter.h"
#include "measure/ui/standard_calibrate_dialog.h"
#include "reference/coating_table.h"

namespace klv {

using namespace test;

namespace {

MeasFileData NickelCondition() {
    return DemoCondition({Layer(kCoatNickel, "Ni")}, "Ni demo");
}

// The simulator's clock runs until the instrument has counted `target`; its timers run at
// once, so no count is skipped.
void CountTo(Road& road, std::uint32_t target) {
    while (road.Sim().Status().dwCount() < target) {
        road.p.clock.Advance(100);
        road.Sim().RunTimers();
    }
    QCoreApplication::processEvents();
}

// One standard in dialog 540: F2, the blanking, `counts` counts, then "Trip".
void MeasureStandard(Road& road, QWidget& dialog, std::uint32_t counts) {
    auto& calibrate = static_cast<CStandardCalibrate&>(dialog);
    road.p.clock.SetAutoStep(50);
    Press(dialog, "ctl32810");
    QTRY_VERIFY(calibrate.IsMeasuring());
    road.p.clock.SetAutoStep(0);
    road.p.clock.Advance(kBlankingSeconds * 1000 + 100);
    QTRY_VERIFY(Find<QAbstractButton>(road.SimWindow(), "ctl1800")->isEnabled());
    CountTo(road, counts);
    QCOMPARE(road.Sim().Status().dwCount(), counts);
    Press(road.SimWindow(), "ctl1800");
    QTRY_VERIFY(!calibrate.IsMeasuring());
}

}  // namespace

class CalibrationRoadTest : public QObject {
    Q_OBJECT

private slots:
    void standardCalibrationCorrectsTheNextTracedMeasurement();
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

}  // namespace klv

QTEST_MAIN(klv::CalibrationRoadTest)
#include "calibration_road_test.moc"
