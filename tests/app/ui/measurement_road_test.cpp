#include "app/ui/measurement_road.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "app/command_ids.h"
#include "app/ui/condition_table.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/main_window_harness.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/status_line.h"
#include "base/fixed_text.h"
#include "base/sound_table.h"
#include "base/ui/tool_button.h"
#include "base/window_placement.h"
#include "device/simulator_state.h"
#include "device/ui/simulation_dialog.h"
#include "measure/ui/level_meter.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/msr_log_file.h"
#include "reference/resolution_table.h"
#include "reference/solution_defaults.h"
#include "support/result_conditions.h"
#include "support/test_wave.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

using namespace test;

class MeasurementRoadTest : public QObject {
    Q_OBJECT

private slots:
    void rememberedChannelOpensAndOneLayerIsMeasuredStoredAndShown();
    void threeLayersEndInTheSyntheticResult();
    void stopKeepsOrDiscardsTheLayer();
    void probeOpenDuringBlankingStoresNothing();
    void interruptedMeasurementIsCompletedOnSelection();
    void fullChannelRefusesF2AndBlinksTheLimit();
    void dueCalibrationShowsAsksOnceAndFlagsTheMeasurement();
    void measurementEndForgetsTheChannelAndNextStartAsks();
    void autoStopRestartCarriesTheCount();
    void storedShowCommandTwoShowsTheWindowNormally();
};

void MeasurementRoadTest::rememberedChannelOpensAndOneLayerIsMeasuredStoredAndShown() {
    RunRoad(3, CopperCondition(), [](Road& road) {
        QVERIFY(road.Channel().IsOpen());
        QCOMPARE(road.Channel().Index(), 3);
        QCOMPARE(road.w.Face().ChannelLine()->text(), QStringLiteral(" 4 : Cu demo"));
        QCOMPARE(road.Status(), QStringLiteral(" Set a test sample and start."));
        QCOMPARE(test::EnabledWithoutHandler(road.w), QStringList{});

        road.PressF2();
        QCOMPARE(road.Status(), QStringLiteral(" Measurement is going on."));
        QVERIFY(!IsCommandEnabled(cmd::kStartMeasurement, road.w.State()));
        QCOMPARE(test::EnabledWithoutHandler(road.w), QStringList{});
        QVERIFY(road.List().IsFresh());
        QCOMPARE(road.List().RowBackground(),
                 QApplication::palette().color(QPalette::Active, QPalette::Base));
        road.EndBlanking();
        QVERIFY(road.List().IsFresh());
        std::uint32_t count = 0;
        road.Trip(count);
        QVERIFY(count > 0);

        QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
        const MsrLogRecord r = road.Record(0);
        QCOMPARE(r.lMeasValue, road.ValueOf(count, 0));
        QVERIFY((r.bFlags & kRecordNoValue) == 0);
        QCOMPARE(road.List().RowCount(), 1);
        QCOMPARE(road.List().RowText(0, 0).trimmed(), QStringLiteral("Cu"));
        const int decimals = FindResolution(1, test::kRange1_1)->decimals;
        QCOMPARE(road.List().RowText(0, 1).trimmed(),
                 QString::number(static_cast<double>(road.ValueOf(count, 0)), 'f', decimals) +
                     QStringLiteral(" um"));
        QCOMPARE(road.w.Face().DataNumber()->text(), QStringLiteral("1"));
        QVERIFY(Played(road.p, "Buzzer7.wav"));
        QCOMPARE(road.Status(), QStringLiteral(" Set a test sample and start."));
        QVERIFY(IsCommandEnabled(cmd::kCancelLastData, road.w.State()));
    });
}

void MeasurementRoadTest::threeLayersEndInTheSyntheticResult() {
    RunRoad(0,
            DemoCondition({test::Layer(kCoatChrome, "Cr"), test::Layer(kCoatNickel, "Ni"),
                           test::Layer(kCoatCopper, "Cu")},
                          "Cr Ni Cu"),
            [&](Road& road) {
                QVERIFY(road.Channel().IsOpen());
                std::uint32_t first = 0, second = 0, third = 0;
                road.MeasureLayer(first);
                QCOMPARE(road.Channel().Layer(), 1);
                QCOMPARE(road.Status(), QStringLiteral(" Change the test solution and re-start."));
                QCOMPARE(road.List().RowCount(), 1);
                road.MeasureLayer(second);
                QCOMPARE(road.List().RowCount(), 2);
                QCOMPARE(road.List().RowText(1, 0).trimmed(), QStringLiteral("Ni"));
                road.MeasureLayer(third);
                QCOMPARE(road.Channel().Layer(), 0);
                QCOMPARE(road.Channel().Condition()->nItemCt, 3u);
                QCOMPARE(road.Record(0).lMeasValue, road.ValueOf(first, 0));
                QCOMPARE(road.Record(1).lMeasValue, road.ValueOf(second, 1));
                QCOMPARE(road.Record(2).lMeasValue, road.ValueOf(third, 2));
                QCOMPARE(road.List().RowCount(), 3);
                QCOMPARE(road.List().RowText(0, 0).trimmed(), QStringLiteral("Cr"));
                QCOMPARE(road.List().RowText(2, 0).trimmed(), QStringLiteral("Cu"));
                QCOMPARE(road.w.Face().DataNumber()->text(), QStringLiteral("1"));
                QCOMPARE(road.Status(), QStringLiteral(" Set a test sample and start."));
            });
}

void MeasurementRoadTest::stopKeepsOrDiscardsTheLayer() {
    RunRoad(0, CopperCondition(), [](Road& road) {
        // F2 is not handled while Start is disabled: F3 is, and stops.
        road.PressF2();
        road.EndBlanking();
        const std::uint32_t count = road.Sim().Status().dwCount();
        test::ModalDriver modal;
        AnswerStop(modal, "choice5020");
        QTest::keyClick(road.w.windowHandle(), Qt::Key_F3);
        QTRY_VERIFY(!road.Channel().IsMeasuring());
        QVERIFY(Played(road.p, "Buzzer6.wav"));
        QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
        QCOMPARE(road.Record(0).lMeasValue, road.ValueOf(count, 0));

        road.PressF2();
        road.EndBlanking();
        AnswerStop(modal, "choice5023");
        road.w.OnCommand(cmd::kStopMeasurement);
        QTRY_VERIFY(!road.Channel().IsMeasuring());
        // An invalid first layer leaves no trace.
        QCOMPARE(road.Channel().Condition()->nItemCt, 1u);
        QCOMPARE(road.Channel().Layer(), 0);
    });
}

void MeasurementRoadTest::probeOpenDuringBlankingStoresNothing() {
    RunRoad(0, CopperCondition(), [](Road& road) {
        road.PressF2();
        QTRY_VERIFY(road.List().IsBlinking());
        Press(road.SimWindow(), "ctl1801");
        QTRY_VERIFY(!road.Channel().IsMeasuring());
        QVERIFY(!road.List().IsBlinking());
        const auto texts = road.p.op.Texts();
        QVERIFY(std::find(texts.begin(), texts.end(),
                          "Error.  Please check following item.\n\n  .  Anode & cathode cord "
                          "might be came off ?\n\n  .  Bubble in cell?\n\n  .  Using "
                          "different test solution ?") != texts.end());
        QVERIFY(Played(road.p, "Buzzer2.wav"));
        QCOMPARE(road.Channel().Condition()->nItemCt, 0u);
        QCOMPARE(road.Status(), QStringLiteral(" Set a test sample and start."));
    });
}

void MeasurementRoadTest::interruptedMeasurementIsCompletedOnSelection() {
    ProgramUnderTest p;
    MeasFileData d = DemoCondition({test::Layer(kCoatChrome, "Cr"), test::Layer(kCoatNickel, "Ni"),
                                    test::Layer(kCoatCopper, "Cu")},
                                   "Interrupted");
    d.nItemCt = 7;
    d.wFirstDate = d.wLastDate = PackDate(2026, 12, 8);
    PrepareChannel(p, 5, d, true);
    {
        ConditionStore store(p.dir.Path(), p.op);
        // The third measurement's records were reserved when its first layer was stored.
        std::vector<MsrLogRecord> records(9, test::Measured(1.5f, PackDate(2026, 12, 8)));
        records[7] = records[8] = MsrLogRecord{};
        QVERIFY(WriteMsrLogFile(store, 5, records.data(), 0, 9));
    }
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            Road road{p, w};
            QVERIFY(road.Channel().IsOpen());
            QCOMPARE(road.Channel().Condition()->nItemCt, 9u);
            for (std::uint32_t i = 6; i < 9; ++i)
                QVERIFY((road.Record(i).bFlags & kRecordMeasured) != 0);
            QCOMPARE(w.Face().DataNumber()->text(), QStringLiteral("3"));
        },
        {"-siml=1"}));
}

void MeasurementRoadTest::fullChannelRefusesF2AndBlinksTheLimit() {
    MeasFileData d = CopperCondition();
    d.nItemCt = 99999;
    RunRoad(0, d, [&](Road& road) {
        QVERIFY(road.Channel().IsOpen());
        QCOMPARE(road.Status(),
                 QStringLiteral(" Amount of measurement data have reached to the limit."));
        QVERIFY(road.w.Face().StatusLine()->IsBlinking());
        QVERIFY(!road.w.Face().Buttons().value(cmd::kStartMeasurement)->isEnabled());
        QTest::keyClick(road.w.windowHandle(), Qt::Key_F2);
        QTest::qWait(100);
        QVERIFY(!road.Channel().IsMeasuring());
    });
}

void MeasurementRoadTest::dueCalibrationShowsAsksOnceAndFlagsTheMeasurement() {
    RunRoad(0, CopperCondition(), [](Road& road) {
        road.p.app.Calibration() = test::CalibratedGasketA(1.0f);  // 2026/03/04
        QVERIFY(road.p.app.Profile().WriteProfileInt("Calibration", "IntervalA", 30));
        road.p.clock.SetDate(2026, 4, 3);
        road.w.UpdateControls();
        const CConditionTable& table = *road.w.Face().ConditionTable();
        QCOMPARE(table.CellText(3, 7), QStringLiteral("2026/03/04 (due)"));
        QVERIFY(table.IsDueLine(3, 7) && !table.IsDueLine(2, 7));
        QCOMPARE(road.Status(), QStringLiteral(" The calibration of gasket A is due since "
                                               "2026/04/03. Set a test sample and start."));
        const std::string question =
            "The calibration of gasket A is due since 2026/04/03. Measure anyway?";
        road.p.op.Answer(IDNO);
        QTest::keyClick(road.w.windowHandle(), Qt::Key_F2);
        QTRY_VERIFY(!road.p.op.Texts().empty() && road.p.op.Texts().back() == question);
        QTest::qWait(100);
        QVERIFY(!road.Channel().IsMeasuring());
        QCOMPARE(road.Sim().Status().dwCount(), 0u);

        road.p.op.Answer(IDYES);
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        QVERIFY(road.Channel().TakenWithDueCalibration(1));
        const auto asked = [&road, &question] {
            const std::vector<std::string> texts = road.p.op.Texts();
            return static_cast<int>(std::count(texts.begin(), texts.end(), question));
        };
        QCOMPARE(asked(), 2);
        road.MeasureLayer(count);
        QCOMPARE(asked(), 2);
        QVERIFY(road.Channel().TakenWithDueCalibration(2));
        // Within the interval again: nothing is asked or flagged.
        road.p.clock.SetDate(2026, 4, 2);
        road.w.UpdateControls();
        QCOMPARE(table.CellText(3, 7), QStringLiteral("2026/03/04"));
        road.MeasureLayer(count);
        QVERIFY(!road.Channel().TakenWithDueCalibration(3));
    });
}

void MeasurementRoadTest::measurementEndForgetsTheChannelAndNextStartAsks() {
    RunRoad(2, CopperCondition(), [](Road& road) {
        QVERIFY(road.Channel().IsOpen());
        QCOMPARE(road.p.app.Profile().GetProfileString("Measurement", "MeasFileNbr", ""),
                 std::string("1,2"));
        // A plated layer leaves the meter full; it clears with the channel.
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        const CLevelMeter& meter = *road.w.Face().LevelMeter();
        QCOMPARE(meter.Level(), kLevelMeterTop);
        road.w.OnCommand(cmd::kEndMeasurement);
        QVERIFY(!road.Channel().IsOpen());
        QCOMPARE(meter.Level(), 0);
        QVERIFY(!meter.IsRunning());
        QVERIFY(!road.p.app.Profile().HasProfileKey("Measurement", "MeasFileNbr"));
        QCOMPARE(road.w.Face().ChannelLine()->text(), QStringLiteral("Not selected."));
        QCOMPARE(road.Status(), QStringLiteral(" Please select measurement condition file."));
        // Without a remembered channel the start asks; cancelling leaves none open.
        test::ModalDriver modal;
        modal.When("measFileList", [](QWidget& d) { static_cast<QDialog&>(d).reject(); });
        QVERIFY(!road.Channel().SelectMeasureFile(true));
        QVERIFY(!road.Channel().IsOpen());
    });
}

void MeasurementRoadTest::autoStopRestartCarriesTheCount() {
    MeasFileData d = CopperCondition();
    d.coat[0].bLayerFlags |= kLayerAutoStopOn;
    d.coat[0].fAutoStop = 12.0f;  // 120 counts at a tenth of a micrometre each
    RunRoad(0, d, [&](Road& road) {
        const ResolutionRow* row = FindResolution(1, test::kRange1_1);
        QCOMPARE(row->scale, 10);
        road.PressF2();
        bool asked = false;
        test::ModalDriver modal;
        modal.When("CMeasAutoStop", [&](QWidget& dialog) {
            asked = true;
            // The restart settles its current as the first start did.
            road.p.clock.SetAutoStep(50);
            Press(dialog, "start");
        });
        road.p.clock.Advance(130u * row->countPeriodMs);
        QTRY_VERIFY(asked);
        QTRY_VERIFY(road.Sim().Status().dwCount() < 120);
        road.p.clock.SetAutoStep(0);
        QVERIFY(road.Channel().IsMeasuring());
        QVERIFY(Played(road.p, "loop"));
        road.p.clock.Advance(kBlankingSeconds * 1000u + 30u * row->countPeriodMs);
        QTRY_VERIFY(test::Find<QAbstractButton>(road.SimWindow(), "ctl1800")->isEnabled());
        std::uint32_t second = 0;
        road.Trip(second);
        QVERIFY(second >= 30);
        QCOMPARE(road.Record(0).lMeasValue, road.ValueOf(120 + second, 0));
    });
}

void MeasurementRoadTest::storedShowCommandTwoShowsTheWindowNormally() {
    ProgramUnderTest p;
    ProfileFile ini(p.dir.File("KLV570.ini"));
    QVERIFY(ini.WriteProfileInt("Measurement", "WinShow", 2));
    QVERIFY(p.RunMainWindow([&](CKLV570Dlg& w) {
        QVERIFY(w.isVisible());
        QVERIFY(!w.isMinimized());
        QVERIFY(!w.isMaximized());
    }));
    QCOMPARE(MainWindowShowCommand(2), kShowNormal);
    QCOMPARE(MainWindowShowCommand(0), kShowNormal);
    QCOMPARE(MainWindowShowCommand(3), kShowMaximized);
    QCOMPARE(MainWindowShowCommand(9), 9);
}

}  // namespace klv

QTEST_MAIN(klv::MeasurementRoadTest)
#include "measurement_road_test.moc"
