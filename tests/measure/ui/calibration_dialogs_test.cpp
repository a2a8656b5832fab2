#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "base/profile.h"
#include "measure/run_fakes.h"
#include "measure/ui/guess_calibrate_dialog.h"
#include "measure/ui/standard_calibrate_dialog.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

using klv::test::Click;
using klv::test::Find;

namespace {

// One standard measurement: the gasket-A condition in µm on range 1/1, 10 counts a µm.
// The run with every seam recorded.
struct RunSeams {
    klv::test::FakeRunInstrument instrument;
    klv::test::ScriptedRunDialogs dialogs;
    klv::test::RecordingTrace trace;
    klv::test::RecordingSounds sounds;
    klv::test::ScriptedOperator op;
    klv::CalibrationStore calibration{};
    klv::CMeasRun run{instrument, dialogs, trace, sounds, op, calibration};
    klv::MeasFileData d = klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")});
};

struct CalibrationRig {
    klv::test::TempDir dir;
    RunSeams fx;
    klv::test::SettableClock clock;
    klv::ProfileFile profile{dir.File("KLV570.ini")};
    klv::CKeyRoutingTable keys;
    int settingChanges = 0;
    klv::StandardCalibrateSeams Seams(const std::string& path) {
        return {fx.run,
                fx.instrument,
                fx.sounds,
                fx.op,
                fx.calibration,
                path,
                profile,
                clock,
                keys,
                fx.trace,
                [this](klv::MeasFileData&, QWidget*) {
                    ++settingChanges;
                    return false;
                }};
    }
    // F2 with the standard, then the layer ends after `counts`.
    void MeasureLayer(klv::CStandardCalibrate& dialog, const char* standard, std::uint32_t counts) {
        Find<QLineEdit>(dialog, "ctl4112")->setText(standard);
        Click(dialog, "ctl32810");
        fx.instrument.polling = klv::test::Ended(counts, klv::kEndPlating);
        dialog.OnPollingNotify();
    }
};

QStringList Values(klv::CStandardCalibrate& dialog) {
    QStringList texts;
    auto* list = Find<QListWidget>(dialog, "ctl4102");
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

}  // namespace

class CalibrationDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void twelvePercentIsStoredWithoutWornMessage();
    void minusFifteenWarnsOfAWornGasket();
    void beyondNineteenPercentIsABadCalibration();
    void twoLayersNeedTwoPressesAndAddUp();
    void failedWriteKeepsTheDialogAndTheOldValue();
    void failingLineAskedToEndClosesWithOutputsOff();
    void guessValueRangeAndGaskets();
};

void CalibrationDialogsTest::twelvePercentIsStoredWithoutWornMessage() {
    CalibrationRig rig;
    rig.clock.SetDate(2026, 12, 10);
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("KLV570.dat")), &rig.fx.d);
    dialog.show();
    QVERIFY(!Find<QPushButton>(dialog, "ctl32812")->isEnabled());
    QCOMPARE(Find<QLabel>(dialog, "ctl4104")->text(), QString("Set a test sample and start."));
    QCOMPARE(Find<QLabel>(dialog, "ctl4110")->text(), QString("A"));
    QCOMPARE(Find<QLabel>(dialog, "ctl4111")->text(), QString("Ni/Fe"));
    rig.MeasureLayer(dialog, "10", 112);
    QCOMPARE(rig.fx.run.CalibrationMode(), 1);
    QCOMPARE(rig.fx.instrument.correction, 0.0f);
    QCOMPARE(Values(dialog), QStringList{" +12%"});
    QCOMPARE(Find<QLabel>(dialog, "ctl4103")->text(), QString("+12%"));
    QVERIFY(Find<QLabel>(dialog, "ctl4101")->text().startsWith("Measurement result."));
    Click(dialog, "ctl32812");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), klv::kCalibrationClosed);
    QVERIFY(rig.fx.op.Texts().empty());
    const klv::GasketCalibrationRecord& a = rig.fx.calibration.gasket[klv::kGasketA];
    QVERIFY(std::abs(a.fCalValue - 12.0f) < 1e-3f);
    QCOMPARE(a.fStandardThickness, 10.0f);
    QCOMPARE(a.wCalDate, klv::PackDate(2026, 12, 10));
    QCOMPARE(rig.fx.run.CalibrationMode(), 0);
    klv::CalibrationStore reread{};
    QCOMPARE(klv::LoadCalibrationStore(rig.dir.File("KLV570.dat"), reread, rig.fx.op),
             klv::CalibrationLoadResult::Loaded);
    QVERIFY(std::abs(reread.gasket[klv::kGasketA].fCalValue - 12.0f) < 1e-3f);
    // The next layer start of the channel is corrected by it.
    rig.fx.run.StartLayer(rig.fx.d, 0, 0, true);
    QVERIFY(std::abs(rig.fx.instrument.correction - 12.0f) < 1e-3f);
}

void CalibrationDialogsTest::minusFifteenWarnsOfAWornGasket() {
    CalibrationRig rig;
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("KLV570.dat")), &rig.fx.d);
    dialog.show();
    rig.MeasureLayer(dialog, "10", 84);
    rig.MeasureLayer(dialog, "10", 86);
    QCOMPARE(Values(dialog), (QStringList{" -16%", " -14%"}));
    QCOMPARE(Find<QLabel>(dialog, "ctl4103")->text(), QString("-15%"));
    // Data delete needs a selection.
    QVERIFY(!Find<QPushButton>(dialog, "ctl32772")->isEnabled());
    Click(dialog, "ctl32812");
    QCOMPARE(rig.fx.op.Texts(), std::vector<std::string>{klv::kMsgGasketWorn});
    QCOMPARE(rig.fx.op.Messages()[0].icon, klv::MsgIcon::None);
}

void CalibrationDialogsTest::beyondNineteenPercentIsABadCalibration() {
    CalibrationRig rig;
    rig.fx.d.coat[0].bRange = 3;  // 100 counts a µm
    rig.fx.calibration.gasket[klv::kGasketA].condition = klv::ToCalibrationCondition(rig.fx.d);
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("KLV570.dat")), &rig.fx.d);
    dialog.show();
    auto* standard = Find<QLineEdit>(dialog, "ctl4112");
    rig.MeasureLayer(dialog, "10", 1190);  // exactly 19 %
    QCOMPARE(Values(dialog).size(), 1);
    klv::test::ModalDriver driver;
    QString shown;
    QRect asked;
    driver.When("CCalDataError", [&](QWidget& w) {
        shown = Find<QLabel>(w, "values")->text();
        asked = w.frameGeometry();
        Click(w, "choice5200");
        Click(w, "ok");
    });
    rig.MeasureLayer(dialog, "10", 1191);  // 19.1 %
    // The operator sees what was measured against what, and the value list stays in view.
    QCOMPARE(shown, QString("Measurement value: 11.91 um\nThickness Standard: 10.00 um\n"
                            "Deviation: +19.1%"));
    const QWidget* list = Find<QListWidget>(dialog, "ctl4102");
    QVERIFY(!asked.intersects(QRect(list->mapToGlobal(QPoint(0, 0)), list->size())));
    QCOMPARE(rig.fx.sounds.played.back(), klv::RunSound::CalError);
    QVERIFY(Values(dialog).isEmpty());  // "After replacing the gasket" empties the list
    QVERIFY(!Find<QPushButton>(dialog, "ctl32812")->isEnabled());
    driver.When("CCalDataError", [](QWidget& w) {
        Click(w, "choice5201");
        Click(w, "ok");
    });
    rig.MeasureLayer(dialog, "10", 810 - 1);  // −19.1 %
    QCOMPARE(rig.settingChanges, 1);
    // Bad standards never reach the list.
    standard->setText("0");
    Click(dialog, "ctl32810");
    standard->setText("x");
    Click(dialog, "ctl32810");
    QCOMPARE(rig.fx.op.Texts(), (std::vector<std::string>{"Less than zero can't be specified.",
                                                          "Error in the numerical value."}));
    QVERIFY(!dialog.IsMeasuring());
    Click(dialog, "ctl32813");
    QCOMPARE(dialog.result(), klv::kCalibrationCancelled);
    QCOMPARE(rig.fx.calibration.gasket[klv::kGasketA].bCalFlags, std::uint8_t{0});
}

void CalibrationDialogsTest::twoLayersNeedTwoPressesAndAddUp() {
    CalibrationRig rig;
    rig.fx.d = klv::test::Condition(
        {klv::test::Layer(klv::kCoatNickel, "Ni"), klv::test::Layer(klv::kCoatNickel, "Cu")});
    rig.fx.calibration.gasket[klv::kGasketA].condition = klv::ToCalibrationCondition(rig.fx.d);
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("KLV570.dat")), &rig.fx.d);
    dialog.show();
    auto* guide = Find<QLabel>(dialog, "ctl4104");
    rig.MeasureLayer(dialog, "10", 50);
    QCOMPARE(dialog.Layer(), 1);
    QCOMPARE(guide->text(), QString("Change the test solution and re-start."));
    QVERIFY(Values(dialog).isEmpty());
    Click(dialog, "ctl32810");
    QVERIFY(guide->text().isEmpty());
    QVERIFY(Find<QPushButton>(dialog, "ctl32811")->isEnabled());
    QVERIFY(!Find<QPushButton>(dialog, "ctl32810")->isEnabled());
    rig.fx.instrument.polling = klv::test::Ended(62, klv::kEndPlating);
    dialog.OnPollingNotify();
    QCOMPARE(Values(dialog), QStringList{" +12%"});
    QCOMPARE(guide->text(), QString("Set a test sample and start."));
    // A stopped layer starts the standard again from its first layer.
    rig.MeasureLayer(dialog, "10", 50);
    Click(dialog, "ctl32810");
    rig.fx.dialogs.stopChoice = klv::kStopDiscard;
    rig.fx.instrument.polling = klv::test::Ended(10, klv::kEndOperatorStop);
    dialog.OnPollingNotify();
    QCOMPARE(dialog.Layer(), 0);
    QCOMPARE(Values(dialog).size(), 1);
}

void CalibrationDialogsTest::failedWriteKeepsTheDialogAndTheOldValue() {
    CalibrationRig rig;
    rig.fx.calibration.gasket[klv::kGasketA].fCalValue = 3.0f;
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("missing/KLV570.dat")), &rig.fx.d);
    dialog.show();
    rig.MeasureLayer(dialog, "10", 112);
    Click(dialog, "ctl32812");
    QVERIFY(dialog.isVisible());
    QCOMPARE(rig.fx.op.Texts().size(), std::size_t{1});
    QCOMPARE(rig.fx.calibration.gasket[klv::kGasketA].fCalValue, 3.0f);
    QVERIFY(Find<QPushButton>(dialog, "ctl32812")->isEnabled());
}

namespace {

// Polls fail until the operator is asked whether to end; returns how many polls that took.
int FailPollsUntilAsked(CalibrationRig& rig, klv::CStandardCalibrate& dialog, int answer) {
    rig.fx.op.Answer(answer);
    rig.fx.instrument.polling = klv::test::Failed();
    const std::size_t asked = rig.fx.op.Messages().size();
    int polls = 0;
    while (rig.fx.op.Messages().size() == asked && polls < 100) {
        dialog.OnPollingNotify();
        ++polls;
    }
    return polls;
}

}  // namespace

void CalibrationDialogsTest::failingLineAskedToEndClosesWithOutputsOff() {
    CalibrationRig rig;
    klv::CStandardCalibrate dialog(rig.Seams(rig.dir.File("KLV570.dat")), &rig.fx.d);
    dialog.show();
    Find<QLineEdit>(dialog, "ctl4112")->setText("10");
    Click(dialog, "ctl32810");
    QCOMPARE(FailPollsUntilAsked(rig, dialog, klv::IDNO), 40);
    // "No" goes on measuring: the line that comes back is evaluated again.
    rig.fx.instrument.polling = klv::test::Ended(112, klv::kEndPlating);
    dialog.OnPollingNotify();
    QCOMPARE(Values(dialog), QStringList{" +12%"});
    Click(dialog, "ctl32810");
    QVERIFY(dialog.IsMeasuring());
    const int outputsOff = rig.fx.instrument.Count("AllOutputsOff");
    QVERIFY(FailPollsUntilAsked(rig, dialog, klv::IDYES) < 100);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), klv::kCalibrationClosed);
    QCOMPARE(rig.fx.instrument.Count("AllOutputsOff"), outputsOff + 1);
    QVERIFY(std::abs(rig.fx.calibration.gasket[klv::kGasketA].fCalValue - 12.0f) < 1e-3f);
}

void CalibrationDialogsTest::guessValueRangeAndGaskets() {
    klv::test::TempDir dir;
    klv::test::ScriptedOperator op;
    klv::test::SettableClock clock;
    klv::CalibrationStore store{};
    store.gasket[2].bCalFlags = klv::kGasketHasCalibration;
    store.gasket[2].fCalValue = -4.5f;
    klv::CGuessCalibrate dialog(store, dir.File("KLV570.dat"), op, clock, 2);
    dialog.show();
    auto* gasket = Find<QComboBox>(dialog, "ctl20025");
    auto* value = Find<QLineEdit>(dialog, "ctl4200");
    QCOMPARE(gasket->count(), 3);
    QCOMPARE(gasket->findText("WT"), -1);
    QCOMPARE(value->text(), QString("-4.5"));
    gasket->setCurrentIndex(0);
    QVERIFY(value->text().isEmpty());
    value->setText("-19.5");
    Click(dialog, "ctl32773");
    QCOMPARE(op.Texts(), std::vector<std::string>{"Range of values are from  -19  to  19."});
    QCOMPARE(value->selectedText(), QString("-19.5"));
    value->setText("-19");
    Click(dialog, "ctl32773");
    QVERIFY(dialog.isVisible());
    QCOMPARE(store.gasket[1].fCalValue, -19.0f);
    QCOMPARE(store.gasket[1].bCalFlags, klv::kGasketHasCalibration);
    value->setText("19");
    Click(dialog, "ok");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(store.gasket[1].fCalValue, 19.0f);
}

QTEST_MAIN(CalibrationDialogsTest)
#include "calibration_dialogs_test.moc"
