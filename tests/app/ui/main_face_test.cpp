#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QtTest>
#include <functional>

#include "app/calibration_due_gate.h"
#include "app/command_ids.h"
#include "app/klv570_app.h"
#include "app/ui/calibration_interval_dialog.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_window_harness.h"
#include "app/ui/potential_graph_link.h"
#include "app/ui/status_line.h"
#include "base/ui/tool_button.h"
#include "reference/unit_gasket_tables.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

namespace {

// Runs `body` on a shown main window of a freshly started program.
void WithMainWindow(const std::function<void(CKLV570Dlg&)>& body) {
    test::ProgramUnderTest program;
    QVERIFY(program.RunMainWindow(body));
    program.app.ExitInstance();
}

// "-" for a separator, else "<id> <text>".
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator()
                      ? QStringLiteral("-")
                      : QStringLiteral("%1 %2").arg(action->data().toInt()).arg(action->text()));
    return items;
}

QStringList Titles(const QMenuBar* bar) {
    QStringList titles;
    for (const QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

// Through the window, as the platform delivers keys.
void TypeWith(QWidget& target, const QString& keys, Qt::KeyboardModifiers held) {
    for (QChar c : keys)
        QTest::keyClick(target.windowHandle(), static_cast<Qt::Key>(c.unicode()), held);
    QCoreApplication::processEvents();
}

const QStringList kTitles = {"File(&F)",        "Measurement(&M)", "Editing(&E)",
                             "Calibration(&C)", "Statistics(&S)",  "Option(&O)",
                             "Maintenance(&A)", "Help(&H)"};

}  // namespace

class MainFaceTest : public QObject {
    Q_OBJECT

private slots:
    void menuHasEveryItemInOrder();
    void controlsCarryTheirTexts();
    void withoutAChannelOnlySelectionAndToolsAreEnabled();
    void hiddenSequenceTogglesTheHiddenMenu();
    void statusLineBlinksSixTicksThenStaysRed();
    void commandsWithoutAHandlerAreDisabled();
    void potentialGraphButtonShowsItsWindow();
    void calibrationIntervalKeepsTheDaysOrSaysItCannot();
};

void MainFaceTest::calibrationIntervalKeepsTheDaysOrSaysItCannot() {
    test::ProgramUnderTest program;
    QVERIFY(program.RunMainWindow([&program](CKLV570Dlg& window) {
        test::ModalDriver modal;
        modal.When("CCalibrationInterval", [](QWidget& dialog) {
            QCOMPARE(test::Find<QSpinBox>(dialog, QStringLiteral("intervalA"))->value(), 0);
            test::Find<QSpinBox>(dialog, QStringLiteral("intervalA"))->setValue(30);
            test::Find<QSpinBox>(dialog, QStringLiteral("intervalC"))->setValue(7);
            test::Click(dialog, QStringLiteral("okButton"));
        });
        window.OnCommand(cmd::kCalibrationInterval);
        QCOMPARE(ReadCalibrationInterval(program.app.Profile(), kGasketA), 30);
        QCOMPARE(ReadCalibrationInterval(program.app.Profile(), kGasketA + 2), 7);
    }));
    program.app.ExitInstance();
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    QVERIFY(ini.WriteProfileInt("Calibration", "IntervalB", 90));
    test::ScriptedOperator op;
    {
        CCalibrationInterval dialog(ini, op);
        QCOMPARE(test::Find<QSpinBox>(dialog, QStringLiteral("intervalB"))->value(), 90);
        test::Find<QSpinBox>(dialog, QStringLiteral("intervalA"))->setValue(30);
        dialog.accept();
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
        QCOMPARE(ReadCalibrationInterval(ini, kGasketA), 30);
        QCOMPARE(ReadCalibrationInterval(ini, kGasketA + 1), 90);
    }
    // A settings file that cannot be rewritten: the message, and the dialog stays.
    ProfileFile blocked(dir.File("blocked.ini"));
    QVERIFY(QDir().mkpath(QString::fromStdString(dir.File("blocked.ini"))));
    CCalibrationInterval dialog(blocked, op);
    dialog.show();
    dialog.accept();
    QCOMPARE(op.Texts().back(), std::string("The file can't be made."));
    QVERIFY(dialog.isVisible());
}

void MainFaceTest::commandsWithoutAHandlerAreDisabled() {
    WithMainWindow([](CKLV570Dlg& window) {
        QVERIFY(window.findChildren<QAction*>().size() > 40);
        QCOMPARE(test::EnabledWithoutHandler(window), QStringList{});
        window.ToggleHiddenMenu();
        QVERIFY(window.IsHiddenMenuShown());
        QCOMPARE(test::EnabledWithoutHandler(window), QStringList{});
    });
}

// The button is pressed exactly while the graph window is open, however it closes.
void MainFaceTest::potentialGraphButtonShowsItsWindow() {
    WithMainWindow([](CKLV570Dlg& window) {
        auto* button = window.findChild<CToolButton*>(QStringLiteral("ctl32821"));
        auto* action = window.findChild<QAction*>(QStringLiteral("cmd32821"));
        QVERIFY(button && action);
        QVERIFY(!button->IsToggled());
        action->trigger();
        QVERIFY(button->IsToggled());
        QVERIFY(window.Graph().IsOpen());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!window.Graph().IsOpen());
        QVERIFY(!button->IsToggled());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window.Graph().IsOpen());
        window.Graph().Window()->close();
        QTRY_VERIFY(!button->IsToggled());
    });
}

void MainFaceTest::menuHasEveryItemInOrder() {
    WithMainWindow([](CKLV570Dlg& window) {
        const QMenuBar* bar = window.menuBar();
        QCOMPARE(Titles(bar), kTitles);
        QList<QStringList> popups;
        for (const QAction* action : bar->actions())
            popups << Items(action->menu());
        QCOMPARE(popups[0],
                 (QStringList{"32800 Delete measurement condition data(&D)...", "-",
                              "32801 Delete all data(&A)...", "-", "57665 End KLV-570(&X)"}));
        QCOMPARE(popups[1], (QStringList{"32802 Select a measurement condition(&S)...",
                                         "-",
                                         "32803 Display measurement condition(&D)...",
                                         "32804 Set a measurement condition(&I)...",
                                         "-",
                                         "32810 Start measurement\tF2",
                                         "32811 Stop measurement\tF3",
                                         "32814 Cancel the just before data(&C)",
                                         "32815 Delete measurement data(&E)",
                                         "-",
                                         "32812 End the measurement(&X)...",
                                         "-",
                                         "32820 Surface treatment(&H)...",
                                         "32821 Potential graph(&G)",
                                         "-",
                                         "32816 Measurement by observing potential graph(&P)...",
                                         "32805 Reverse current(&R)...",
                                         "32806 Additional electrolyze(&A)...",
                                         "-",
                                         "32822 Measurement data transmission method(&O)..."}));
        QCOMPARE(popups[2],
                 (QStringList{"32880 Sensitivity(&S)...", "32881 Test solution(&E)...",
                              "32882 Current range(&R)...", "32883 Pump speed(&P)...",
                              "32884 Automatic stop(&A)...", "32885 Blanking time(&B)...",
                              "32886 Unit(&U)...", "32887 Alloy factor(&G)...",
                              "32807 Additional electrolyze(&C)..."}));
        QCOMPARE(popups[3],
                 (QStringList{"32830 Standard calibration(&C)...", "32831 Guess calibration(&G)...",
                              "32832 Calibration interval(&I)..."}));
        QCOMPARE(popups[4], (QStringList{"32840 Statistics item set(&I)...", "-",
                                         "32841 Temporary statistics(&S)..."}));
        QCOMPARE(popups[5],
                 (QStringList{"32850 Font of measurement result(&F)...", "-",
                              "32852 Printer set(&O)...", "32851 Environment set(&E)..."}));
        QCOMPARE(popups[6], (QStringList{"32860 Check the stirring pump (&P)...",
                                         "32862 Sensitivity test(&S)...",
                                         "32861 Check the constant current(&C)...", "-",
                                         "32863 Device (system) check(&M)...", "-",
                                         "32864 Calibration of constant current(&A)..."}));
        QCOMPARE(popups[7], (QStringList{"32770 Table of contents for Help(&H)", "-",
                                         "57664 Version information(&A)..."}));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("cmd32887")));
    });
}

void MainFaceTest::controlsCarryTheirTexts() {
    WithMainWindow([](CKLV570Dlg& window) {
        auto* graph = window.findChild<CToolButton*>(QStringLiteral("ctl32821"));
        QVERIFY(graph);
        QCOMPARE(graph->text(), QStringLiteral("Potential graph"));
        QVERIFY(graph->IsToggle());
        auto* start = window.findChild<CToolButton*>(QStringLiteral("ctl32810"));
        QVERIFY(start);
        QCOMPARE(start->text(), QStringLiteral("Measurement(F2)"));
        QVERIFY(!start->IsToggle());
        QCOMPARE(window.findChildren<CToolButton*>().size(), 14);
        auto* channel = window.findChild<QLabel*>(QStringLiteral("ctl1100"));
        QVERIFY(channel);
        QCOMPARE(channel->text(), QStringLiteral("Not selected."));
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("ctl1106")));
        QCOMPARE(window.minimumSize(), QSize(480, 400));
    });
}

void MainFaceTest::withoutAChannelOnlySelectionAndToolsAreEnabled() {
    WithMainWindow([](CKLV570Dlg& window) {
        auto enabled = [&](int id) {
            auto* action = window.findChild<QAction*>(QStringLiteral("cmd%1").arg(id));
            return action != nullptr && action->isEnabled();
        };
        for (int id : {32800, 32801, 32802, 57665, 32850, 32770, 57664, 32821, 32831, 32832})
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
        for (int id : {32803, 32804, 32810, 32811, 32812, 32814, 32815, 32816, 32820, 32830, 32840,
                       32841, 32806, 32807, 32880, 32886, 32887})
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
        QVERIFY(!test::Find<CToolButton>(window, QStringLiteral("ctl32810"))->isEnabled());
        QVERIFY(test::Find<CToolButton>(window, QStringLiteral("ctl32802"))->isEnabled());
        QCOMPARE(test::Find<QLabel>(window, QStringLiteral("ctl1107"))->text(),
                 QStringLiteral(" Please select measurement condition file."));
        QVERIFY(test::Find<QLabel>(window, QStringLiteral("ctl1102"))->text().isEmpty());
    });
}

void MainFaceTest::hiddenSequenceTogglesTheHiddenMenu() {
    WithMainWindow([](CKLV570Dlg& window) {
        const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
        TypeWith(window, QStringLiteral("QJV"), Qt::ShiftModifier);
        TypeWith(window, QStringLiteral("QJV"), Qt::NoModifier);
        QVERIFY(!window.IsHiddenMenuShown());
        QCOMPARE(Titles(window.menuBar()), kTitles);

        TypeWith(window, QStringLiteral("AQJV"), both);
        QVERIFY(window.IsHiddenMenuShown());
        QStringList withHidden = kTitles;
        withHidden.insert(withHidden.size() - 1, QStringLiteral("Hidden(&X)"));
        QCOMPARE(Titles(window.menuBar()), withHidden);
        const QList<QAction*> bar = window.menuBar()->actions();
        QCOMPARE(Items(bar[bar.size() - 2]->menu()),
                 (QStringList{"32870 Display the device condition(&D)...",
                              "32871 USB communication status(&U)..."}));
        QVERIFY(bar[bar.size() - 2]->menu()->actions()[0]->isEnabled());
        QVERIFY(bar[bar.size() - 2]->menu()->actions()[1]->isEnabled());

        TypeWith(window, QStringLiteral("QJV"), both);
        QVERIFY(!window.IsHiddenMenuShown());
        QCOMPARE(Titles(window.menuBar()), kTitles);
    });
}

void MainFaceTest::statusLineBlinksSixTicksThenStaysRed() {
    CStatusLine line;
    const QColor normal = line.palette().color(QPalette::WindowText);
    line.SetStatusText(QStringLiteral("Set a test sample and start."), false, Qt::red);
    QCOMPARE(line.text(), QStringLiteral(" Set a test sample and start."));
    QCOMPARE(line.ShownColor(), normal);
    QVERIFY(!line.IsBlinking());

    line.SetStatusText(QStringLiteral("full"), true, Qt::red);
    QVERIFY(line.IsBlinking());
    QCOMPARE(line.ShownColor(), QColor(Qt::red));
    for (int tick = 1; tick < 6; ++tick) {
        line.Tick();
        QCOMPARE(line.ShownColor(), tick % 2 == 1 ? normal : QColor(Qt::red));
    }
    line.Tick();
    QVERIFY(!line.IsBlinking());
    QCOMPARE(line.ShownColor(), QColor(Qt::red));
    // The same text and colour again do not restart the blinking.
    line.SetStatusText(QStringLiteral("full"), true, Qt::red);
    QVERIFY(!line.IsBlinking());
    line.SetStatusText(QStringLiteral("idle"), false, Qt::red);
    QCOMPARE(line.ShownColor(), normal);
}

}  // namespace klv

QTEST_MAIN(klv::MainFaceTest)
#include "main_face_test.moc"
