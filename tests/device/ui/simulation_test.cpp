#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include "device/device_frames.h"
#include "device/ui/simulation_dialog.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/widget_find.h"

namespace klv {

class SimulationTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheStateInFullWidthDigits();
    void fullWidthDigitsAreDrawnWhateverTheFonts();
    void controlsPlayTheInstrument();
    void refusesCloseEnterAndEscapeAndKeepsItsPlace();
    void comesBackWhereItWasLeftWithItsFrameOnTheScreen();
};

static QString Text(QWidget& w, const char* name) {
    return test::Find<QLabel>(w, name)->text();
}

void SimulationTest::showsTheStateInFullWidthDigits() {
    test::SettableClock clock;
    CSimulatorState state(clock);
    CSimulation window(state, nullptr);
    QCOMPARE(window.windowTitle(), QString("Simulation"));
    QCOMPARE(Text(window, "ctl1802"), ToFullWidth("0000"));
    QCOMPARE(Text(window, "ctl1807"), QString::fromUtf8("\uFF18\uFF10"));
    Frame dac = MakeSetDacValueFrame(65535);
    state.Command(dac.data(), 4, nullptr);
    Frame pump = MakeSetPumpFrequencyFrame(4);
    state.Command(pump.data(), 4, nullptr);
    window.Refresh();
    QCOMPARE(Text(window, "ctl1811"), QString("2500mV"));
    QCOMPARE(Text(window, "ctl1810"), QString("2500"));
    QVERIFY(test::Find<QLabel>(window, "ctl1815")->isEnabled());   // pump bit
    QVERIFY(!test::Find<QLabel>(window, "ctl1812")->isEnabled());  // sensitivity A
    QVERIFY(!test::Find<QLabel>(window, "ctl1819")->isEnabled());  // probe line off (high)
    QVERIFY(!test::Find<QPushButton>(window, "ctl1800")->isEnabled());
    QVERIFY(test::Find<QCheckBox>(window, "ctl1801")->isChecked());
    state.StepAd976(1, 1);
    window.Refresh();
    QCOMPARE(Text(window, "ctl1802"), ToFullWidth("FFFF"));
}

// A font without full-width forms draws the same empty box for every digit.
void SimulationTest::fullWidthDigitsAreDrawnWhateverTheFonts() {
    test::SettableClock clock;
    CSimulatorState state(clock);
    CSimulation window(state, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* adc = window.findChild<QLabel*>("ctl1807");
    const QImage eighty = adc->grab().toImage();
    window.findChild<QWidget*>("ctl1808")->findChild<QToolButton*>("up")->click();
    QCOMPARE(adc->text(), ToFullWidth("81"));
    const QImage eightyOne = adc->grab().toImage();
    QCOMPARE(eightyOne.size(), eighty.size());
    QVERIFY(eightyOne != eighty);
    // Each digit takes the width of a full-width form, one em.
    QVERIFY(adc->sizeHint().width() >= 2 * QFontInfo(adc->font()).pixelSize());
}

void SimulationTest::controlsPlayTheInstrument() {
    test::SettableClock clock;
    CSimulatorState state(clock);
    CSimulation window(state, nullptr);
    test::Find<QToolButton>(*test::Find<QWidget>(window, "ctl1806"), "up")->click();
    QCOMPARE(state.Status().sAd976(), 4096);
    test::Find<QToolButton>(*test::Find<QWidget>(window, "ctl1808"), "down")->click();
    QCOMPARE(state.Status().bAdc0804(), 0x7F);
    test::Find<QCheckBox>(window, "ctl1801")->click();
    QVERIFY(!state.Status().IsProbeConnected());
    Frame start = MakeStartElectrolysisFrame(0, 100, 1000, 0, 0);
    state.Command(start.data(), 15, nullptr);
    clock.Advance(1000);
    QTRY_VERIFY(test::Find<QPushButton>(window, "ctl1800")->isEnabled());
    test::Find<QPushButton>(window, "ctl1800")->click();
    QCOMPARE(state.Status().bEndReason(), kEndPlating);
    QVERIFY(!test::Find<QPushButton>(window, "ctl1800")->isEnabled());
}

void SimulationTest::refusesCloseEnterAndEscapeAndKeepsItsPlace() {
    test::TempDir dir;
    ProfileFile profile(dir.File("KLV570.ini"));
    profile.WriteProfileInt("SimulationDlg", "WinLeft", 40);
    profile.WriteProfileInt("SimulationDlg", "WinTop", 30);
    test::SettableClock clock;
    CSimulatorState state(clock);
    {
        CSimulation window(state, &profile);
        window.Open();
        QVERIFY(window.isMinimized());
        QCOMPARE(window.normalGeometry().topLeft(), QPoint(40, 30));
        // Placed before it was shown, it still has its layout's size.
        QCOMPARE(window.normalGeometry().size(), window.sizeHint());
        window.showNormal();
        window.close();
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.isVisible());
        window.setGeometry(QRect(QPoint(60, 70), window.size()));
        if (qEnvironmentVariableIsSet("KLV_HOLD_MS"))
            QTest::qWait(qEnvironmentVariableIntValue("KLV_HOLD_MS"));
        window.Shutdown();
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(profile.GetProfileInt("SimulationDlg", "WinLeft", 0), 60);
    QCOMPARE(profile.GetProfileInt("SimulationDlg", "WinTop", 0), 70);
}

void SimulationTest::comesBackWhereItWasLeftWithItsFrameOnTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    test::SettableClock clock;
    CSimulatorState state(clock);
    CSimulation probe(state, nullptr);
    const QSize size = probe.sizeHint();
    // Near the lower right corner with room for a frame, and half off the screen.
    const QPoint nearCorner = area.bottomRight() - QPoint(size.width() + 40, size.height() + 60);
    const QPoint offScreen = area.bottomRight() - QPoint(size.width() / 2, size.height() / 2);
    for (const QPoint& stored : {nearCorner, offScreen}) {
        test::TempDir dir;
        ProfileFile profile(dir.File("KLV570.ini"));
        profile.WriteProfileInt("SimulationDlg", "WinLeft", stored.x());
        profile.WriteProfileInt("SimulationDlg", "WinTop", stored.y());
        CSimulation window(state, &profile);
        window.Open();
        const QRect normal = window.normalGeometry();
        QVERIFY(area.contains(normal));
        if (stored == nearCorner)
            QCOMPARE(normal.topLeft(), stored);
        window.Shutdown();
    }
}

}  // namespace klv

QTEST_MAIN(klv::SimulationTest)
#include "simulation_test.moc"
