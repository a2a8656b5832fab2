#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "measure/ui/meas_auto_stop_dialog.h"
#include "measure/ui/meas_data_modify_dialog.h"
#include "measure/ui/measure_stop_dialog.h"
#include "measure/ui/qt_run_dialogs.h"
#include "reference/coating_table.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

using klv::test::ScriptedOperator;

namespace {

class RecordingSounds final : public klv::RunSounds {
public:
    void PlayEventSound(klv::RunSound s) override { played.push_back(s); }
    void StopEventSound() override { ++stops; }
    std::vector<klv::RunSound> played;
    int stops = 0;
};

using klv::test::Find;

void ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class RunDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void measureStopNeedsAChoiceAndReturnsItsId();
    void autoStopLoopsTheSoundUntilAButton();
    void dataModifyAcceptsOnlyANonNegativeNumber();
    void runDialogsAskThroughTheModalDialog();
};

void RunDialogsTest::measureStopNeedsAChoiceAndReturnsItsId() {
    const klv::MeasFileData d = klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")});
    klv::CMeasureStop dialog(12.3f, d, 0);
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QString("Stop measurement"));
    QCOMPARE(Find<QLabel>(dialog, "values")->text(), QString("Measurement value: 12.3 um"));
    auto* ok = Find<QPushButton>(dialog, "ok");
    QVERIFY(!ok->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.close();
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(Find<QRadioButton>(dialog, "choice5022"), Qt::LeftButton);
    QVERIFY(ok->isEnabled());
    QCOMPARE(Find<QRadioButton>(dialog, "choice5022")->text(),
             QString("Thicker than the prospected thickness value."));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), klv::kStopThicker);
}

void RunDialogsTest::autoStopLoopsTheSoundUntilAButton() {
    RecordingSounds sounds;
    {
        klv::CMeasAutoStop dialog(sounds);
        ShowActive(dialog);
        QCOMPARE(sounds.played, std::vector<klv::RunSound>{klv::RunSound::AutoStop});
        QTest::mouseClick(Find<QPushButton>(dialog, "stopBuzzer"), Qt::LeftButton);
        QCOMPARE(sounds.stops, 1);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(Find<QPushButton>(dialog, "start"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), klv::kAutoStopStart);
        QCOMPARE(sounds.stops, 2);
    }
    for (bool escape : {false, true}) {
        klv::CMeasAutoStop dialog(sounds);
        ShowActive(dialog);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(Find<QPushButton>(dialog, "cancel"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), klv::kAutoStopCancel);
    }
    QCOMPARE(sounds.stops, 4);
    QCOMPARE(sounds.played.size(), std::size_t{3});
}

void RunDialogsTest::dataModifyAcceptsOnlyANonNegativeNumber() {
    ScriptedOperator op;
    const klv::MeasFileData d = klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")});
    klv::CMeasDataModify dialog(12.3456f, d, 0, op);
    ShowActive(dialog);
    auto* edit = Find<QLineEdit>(dialog, "value");
    QCOMPARE(edit->text(), QString("12.3"));
    QCOMPARE(edit->selectedText(), QString("12.3"));
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->maxLength(), 6);
    QCOMPARE(Find<QLabel>(dialog, "unit")->text(), QString("um"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());

    auto* ok = Find<QPushButton>(dialog, "ok");
    edit->setText("1x");
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    edit->setText("-1");
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(op.Texts(), (std::vector<std::string>{"Error in the numerical value.",
                                                   "Value of minus can't be specified."}));
    QCOMPARE(edit->selectedText(), QString("-1"));
    edit->setText("7.5");
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Value(), 7.5f);

    // Three decimals over 100 µm need seven characters; none may be cut.
    klv::MeasFileData fine = d;
    fine.coat[0].bRange = 6;
    klv::CMeasDataModify wide(123.456f, fine, 0, op);
    ShowActive(wide);
    QCOMPARE(Find<QLineEdit>(wide, "value")->text(), QString("123.456"));
    QTest::mouseClick(Find<QPushButton>(wide, "ok"), Qt::LeftButton);
    QCOMPARE(wide.Value(), 123.456f);
}

void RunDialogsTest::runDialogsAskThroughTheModalDialog() {
    RecordingSounds sounds;
    ScriptedOperator op;
    klv::CQtRunDialogs dialogs(nullptr, sounds, op);
    // The running value is a band across the middle of the screen, where a dialog centres.
    QWidget value;
    const QRect screen = value.screen()->availableGeometry();
    value.setGeometry(screen.x(), screen.center().y() - screen.height() / 12, screen.width(),
                      screen.height() / 6);
    ShowActive(value);
    dialogs.SetValueView(&value);
    const klv::MeasFileData d = klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")});
    klv::test::ModalDriver modal;
    QRect asked;
    modal.When(QStringLiteral("CMeasureStop"), [&asked](QWidget& stop) {
        asked = stop.frameGeometry();
        Find<QRadioButton>(stop, "choice5021")->click();
        Find<QPushButton>(stop, "ok")->click();
    });
    QCOMPARE(dialogs.AskMeasureStop(4.0f, d, 0), klv::kStopChangeData);
    QVERIFY(asked.isValid());
    QVERIFY(!asked.intersects(value.frameGeometry()));

    modal.When(QStringLiteral("CMeasDataModify"), [](QWidget& modify) {
        Find<QLineEdit>(modify, "value")->setText("3.25");
        Find<QPushButton>(modify, "ok")->click();
    });
    QCOMPARE(dialogs.AskCorrectedValue(4.0f, d, 0), 3.25f);

    modal.When(QStringLiteral("CMeasAutoStop"),
               [](QWidget& autoStop) { Find<QPushButton>(autoStop, "start")->click(); });
    QCOMPARE(dialogs.AskAutoStop(), klv::kAutoStopStart);
    QCOMPARE(sounds.stops, 1);
}

QTEST_MAIN(RunDialogsTest)
#include "run_dialogs_test.moc"
