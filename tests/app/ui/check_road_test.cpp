#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <cstring>

#include "app/ui/measurement_road.h"
#include "device/device_status.h"
#include "measure/ui/confirm_current_dialog.h"

namespace klv {

namespace {

void Trigger(CKLV570Dlg& w, int id) {
    auto* action = w.findChild<QAction*>(QStringLiteral("cmd%1").arg(id));
    QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(QString::number(id)));
    action->trigger();
}

// Runs `body` on the dialog once it is up; a failed check leaves the lambda early, and the
// dialog is rejected afterwards so the test ends instead of waiting on it.
void When(test::ModalDriver& modal, const char* name, std::function<void(QWidget&)> body) {
    modal.When(name, [body](QWidget& d) {
        body(d);
        QMetaObject::invokeMethod(&d, "reject", Qt::QueuedConnection);
    });
}

// Port B is active low: the outputs are off when bits 3-6 are set.
bool OutputsOff(const DeviceStatus& s) {
    return (s.bPortB() & 0x78) == 0x78 && s.wAd5541() == 0 && (s.bPortA() & kPortAPump) == 0;
}

}  // namespace

class CheckRoadTest : public QObject {
    Q_OBJECT

private slots:
    void pumpCheckRunsThePumpAtTheChosenFrequency();
    void currentCheckPutsOutTheChosenCurrentUntilClosed();
    void reverseCurrentRefusesAboveTenAndEndsAfterItsTime();
    void confirmationPutsOutTheConditionsCurrent();
    void deviceConditionShowsTheRawStateUntilClosed();
    void sensitivityTestLightsAJumpOnceAndResetRearmsIt();
    void deviceCheckShowsAnOpenCordWhileTheElectrolysisGoesOn();
    void currentCalibrationNeedsTheCodeAndStoresTheReadErrors();
    void additionalElectrolysisAddsItsCountsToTheLayerBefore();
};

void CheckRoadTest::pumpCheckRunsThePumpAtTheChosenFrequency() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CPumpCheck", [&](QWidget& d) {
            test::Press(d, "on");
            QCOMPARE(r.Sim().Status().wPumpPeriod(), 10000);
            test::Choose(d, QStringLiteral("frequency"), 9);
            QCOMPARE(test::Find<QComboBox>(d, QStringLiteral("frequency"))->currentText(),
                     QStringLiteral("10 Hz"));
            QCOMPARE(r.Sim().Status().wPumpPeriod(), 1000);
            QTest::keyClick(&d, Qt::Key_Return);
            QVERIFY(d.isVisible());
            test::Press(d, "on");
            QVERIFY(OutputsOff(r.Sim().Status()));
            test::Press(d, "on");
            test::Press(d, "close");
        });
        Trigger(r.w, 32860);
        QVERIFY(OutputsOff(r.Sim().Status()));
    });
}

void CheckRoadTest::currentCheckPutsOutTheChosenCurrentUntilClosed() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CCurrentCheck", [&](QWidget& d) {
            auto* current = test::Find<QLabel>(d, QStringLiteral("current"));
            QCOMPARE(current->text(), QStringLiteral("177.20 mA"));  // Cr, A, 2/1
            test::Press(d, "coating1");                              // Ni
            test::Press(d, "range1");                                // 1/1
            QCOMPARE(current->text(), QStringLiteral("34.200 mA"));
            QVERIFY(OutputsOff(r.Sim().Status()));
            test::Press(d, "power");
            const std::uint16_t dac = r.Sim().Status().wAd5541();
            QVERIFY(dac != 0);
            test::Press(d, "gasket1");  // B: half the area, half the current
            QCOMPARE(current->text(), QStringLiteral("17.100 mA"));
            QVERIFY(r.Sim().Status().wAd5541() != dac);
            test::Press(d, "close");
        });
        Trigger(r.w, 32861);
        QVERIFY(OutputsOff(r.Sim().Status()));
    });
}

void CheckRoadTest::reverseCurrentRefusesAboveTenAndEndsAfterItsTime() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CReverseCurrent", [&](QWidget& d) {
            QCOMPARE(test::Find<QLineEdit>(d, QStringLiteral("current"))->text(),
                     QStringLiteral("0.1"));
            QCOMPARE(test::Find<QLineEdit>(d, QStringLiteral("seconds"))->text(),
                     QStringLiteral("10"));
            test::Type(d, QStringLiteral("current"), QStringLiteral("10.1"));
            test::Press(d, "start");
            QCOMPARE(r.p.op.Texts().back(), std::string("Range of values are from  0  to  10."));
            QVERIFY(OutputsOff(r.Sim().Status()));
            test::Type(d, QStringLiteral("current"), QStringLiteral("10"));
            test::Type(d, QStringLiteral("seconds"), QStringLiteral("2"));
            r.p.player.Clear();
            test::Press(d, "start");
            QCOMPARE(r.p.app.Profile().GetProfileString("ReverseCurrent", "Current", ""),
                     std::string("10"));
            QCOMPARE(r.p.app.Profile().GetProfileInt("ReverseCurrent", "OutputTime", 0), 2);
            QVERIFY((r.Sim().Status().bPortB() & kPortBReverse) == 0);
            QVERIFY(!test::Find<QPushButton>(d, QStringLiteral("start"))->isEnabled());
            r.p.clock.Advance(1000);
            QTRY_COMPARE(test::Find<QProgressBar>(d, QStringLiteral("progress"))->value(), 1000);
            QVERIFY(!OutputsOff(r.Sim().Status()));
            r.p.clock.Advance(1500);
            QTRY_VERIFY(test::Find<QPushButton>(d, QStringLiteral("start"))->isEnabled());
            QVERIFY(OutputsOff(r.Sim().Status()));
            QVERIFY(test::Played(r.p, "Buzzer7.wav"));
            test::Press(d, "close");
        });
        Trigger(r.w, 32805);
    });
}

void CheckRoadTest::confirmationPutsOutTheConditionsCurrent() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CConfirmCurrent", [&](QWidget& d) {
            QVERIFY(OutputsOff(r.Sim().Status()));
            test::Press(d, "start");
            QVERIFY(r.Sim().Status().wAd5541() != 0);
            QVERIFY((r.Sim().Status().bPortB() & kPortBReverse) != 0);  // forward
            QVERIFY(!test::Find<QPushButton>(d, QStringLiteral("start"))->isEnabled());
            test::Press(d, "close");
        });
        ConfirmOutputCurrent(r.w.Device().Protocol(), r.p.app.EventSounds(), 31.3f, false, &r.w);
        QVERIFY(OutputsOff(r.Sim().Status()));
    });
}

void CheckRoadTest::deviceConditionShowsTheRawStateUntilClosed() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CDeviceStatus", [&](QWidget& d) {
            QTRY_COMPARE(test::Find<QLabel>(d, QStringLiteral("adc0804"))->text(),
                         QStringLiteral("0x80"));
            QCOMPARE(test::Find<QLabel>(d, QStringLiteral("ad976"))->text(),
                     QStringLiteral("0x0000"));
            QVERIFY(test::Find<QLabel>(d, QStringLiteral("PC2"))->isEnabled());  // probe on
            QVERIFY(!test::Find<QLabel>(d, QStringLiteral("PA7"))->isEnabled());
            test::Press(d, "close");
            QVERIFY(!test::Find<QPushButton>(d, QStringLiteral("close"))->isEnabled());
        });
        r.w.ToggleHiddenMenu();
        Trigger(r.w, 32870);
    });
}

void CheckRoadTest::sensitivityTestLightsAJumpOnceAndResetRearmsIt() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CSensitiveTest", [&](QWidget& d) {
            auto* detected = test::Find<QLabel>(d, QStringLiteral("detected"));
            auto* reset = test::Find<QPushButton>(d, QStringLiteral("reset"));
            test::Press(d, "power");
            QVERIFY(r.Sim().Status().IsRunning());
            QTRY_COMPARE(test::Find<QLabel>(d, QStringLiteral("levelMv"))->text(),
                         QStringLiteral("0 mV"));
            r.p.player.Clear();
            r.Sim().Trip();
            QTRY_VERIFY(detected->isEnabled());
            QVERIFY(reset->isEnabled());
            QTest::qWait(300);  // later polls still carry the latched jump
            QCOMPARE(r.p.player.Calls().size(), std::size_t{1});
            QVERIFY(test::Played(r.p, "Buzzer7.wav"));
            QVERIFY(r.Sim().Status().IsRunning());
            test::Press(d, "reset");
            QVERIFY(!detected->isEnabled() && !reset->isEnabled());
            QVERIFY(!r.Sim().Status().IsEndDetected());
            r.Sim().Trip();
            QTRY_VERIFY(detected->isEnabled());
            QCOMPARE(r.p.player.Calls().size(), std::size_t{2});
            test::Press(d, "close");
        });
        Trigger(r.w, 32862);
        QVERIFY(!r.Sim().Status().IsRunning());
        QVERIFY(OutputsOff(r.Sim().Status()));
    });
}

void CheckRoadTest::deviceCheckShowsAnOpenCordWhileTheElectrolysisGoesOn() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        When(modal, "CMechanicalCheck", [&](QWidget& d) {
            auto* cord = test::Find<QLabel>(d, QStringLiteral("cordOpen"));
            QCOMPARE(test::Find<QLabel>(d, QStringLiteral("current"))->text(),
                     QStringLiteral("34.200 mA"));
            test::Press(d, "power");
            QVERIFY(r.Sim().Status().IsRunning());
            QTest::qWait(200);
            QVERIFY(!cord->isEnabled());
            r.Sim().SetProbe(false);
            QTRY_VERIFY(cord->isEnabled());
            QVERIFY(r.Sim().Status().IsRunning());
            r.Sim().SetProbe(true);
            QTRY_VERIFY(!cord->isEnabled());
            test::Press(d, "close");
        });
        Trigger(r.w, 32863);
        QVERIFY(!r.Sim().Status().IsRunning());
    });
}

void CheckRoadTest::currentCalibrationNeedsTheCodeAndStoresTheReadErrors() {
    test::RunRoad(1, test::CopperCondition(), [](test::Road& r) {
        test::ModalDriver modal;
        auto answer = [&](const char* code) {
            When(modal, "CPasswordInput", [code](QWidget& d) {
                test::Type(d, QStringLiteral("ctl1420"), QString::fromLatin1(code));
                test::Press(d, "ok");
            });
        };
        bool opened = false;
        auto* guard = new QTimer(&r.w);
        QObject::connect(guard, &QTimer::timeout, [&opened] {
            QWidget* d = QApplication::activeModalWidget();
            if (d != nullptr && d->objectName() == QStringLiteral("CCurrentCalibrate")) {
                opened = true;
                QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection);
            }
        });
        guard->start(20);
        answer("9439");
        Trigger(r.w, 32864);
        QTest::qWait(100);
        QVERIFY(!opened);
        guard->stop();

        answer("9438");
        When(modal, "CCurrentCalibrate", [&](QWidget& d) {
            auto* read = test::Find<QLineEdit>(d, QStringLiteral("read0"));
            QCOMPARE(read->text(), QStringLiteral("210.0"));
            QCOMPARE(test::Find<QLabel>(d, QStringLiteral("error0"))->text(), QStringLiteral("0"));
            QCOMPARE(test::Find<QLineEdit>(d, QStringLiteral("read4"))->text(),
                     QStringLiteral("2100."));
            test::Type(read, QStringLiteral("212.1"));
            emit read->editingFinished();
            QCOMPARE(test::Find<QLabel>(d, QStringLiteral("error0"))->text(),
                     QStringLiteral("+1.00%"));
            test::Press(d, "output0");
            QVERIFY(r.Sim().Status().wAd5541() != 0);
            QCOMPARE(r.Sim().Status().bPortB() & 0x07, 0);
            test::Press(d, "output3");
            QVERIFY(!test::Find<QPushButton>(d, QStringLiteral("output0"))->isChecked());
            QCOMPARE(r.Sim().Status().bPortB() & 0x07, 1);
            // A misread 21.0 at the 210 mA point never reaches the instrument.
            test::Type(read, QStringLiteral("21.0"));
            test::Press(d, "ok");
            QVERIFY(d.isVisible());
            QCOMPARE(r.p.op.Texts().back(), std::string("Range of values are from  168  to  252."));
            QCOMPARE(read->selectedText(), QStringLiteral("21.0"));
            QCOMPARE(r.Sim().CalibrationStore(), decltype(r.Sim().CalibrationStore()){});
            test::Type(read, QStringLiteral("212.1"));
            test::Press(d, "ok");
            QVERIFY(!d.isVisible());
        });
        Trigger(r.w, 32864);
        const auto stored = r.Sim().CalibrationStore();
        float highError = 0;
        std::memcpy(&highError, stored.data(), sizeof highError);
        QVERIFY(std::abs(highError - 0.01f) < 1e-6f);
        QVERIFY(OutputsOff(r.Sim().Status()));
    });
}

}  // namespace klv

namespace klv {

void CheckRoadTest::additionalElectrolysisAddsItsCountsToTheLayerBefore() {
    const MeasFileData d = test::DemoCondition(
        {test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")}, "Ni over Cu");
    test::RunRoad(1, d, [](test::Road& r) {
        auto* action = r.w.findChild<QAction*>(QStringLiteral("cmd32806"));
        QVERIFY(!action->isEnabled());
        std::uint32_t count = 0;
        r.MeasureLayer(count);
        const float before = r.Record(0).lMeasValue;
        QCOMPARE(r.Channel().Session()->Layer(), 1);
        test::ModalDriver modal;
        When(modal, "CAddElectrolyze", [&](QWidget& dlg) {
            auto* start = test::Find<QPushButton>(dlg, QStringLiteral("start"));
            QVERIFY(!start->isEnabled());
            test::Press(dlg, "byCount");
            QVERIFY(!test::Find<QLineEdit>(dlg, QStringLiteral("seconds"))->isEnabled());
            test::Press(dlg, "start");
            QCOMPARE(r.p.op.Texts().back(), std::string("Range of values are from  1  to  999."));
            QVERIFY(!r.Sim().Status().IsRunning());
            test::Type(dlg, QStringLiteral("count"), QStringLiteral("3"));
            r.p.player.Clear();
            // The output's settling waits need a moving clock.
            r.p.clock.SetAutoStep(50);
            test::Press(dlg, "start");
            r.p.clock.SetAutoStep(0);
            QVERIFY(!start->isEnabled());
            QVERIFY(r.Sim().Status().IsRunning());
            // The instrument stops at the third count; the run can be made again.
            for (int i = 0; i < 100 && !start->isEnabled(); ++i) {
                r.p.clock.Advance(200);
                QTest::qWait(20);
            }
            QVERIFY(start->isEnabled());
            QCOMPARE(test::Find<QLabel>(dlg, QStringLiteral("status"))->text(),
                     QStringLiteral("   3 CNT"));
            QVERIFY(test::Played(r.p, "Buzzer7.wav"));
            test::Press(dlg, "close");
        });
        Trigger(r.w, 32806);
        QVERIFY(OutputsOff(r.Sim().Status()));
        // Three counts of a layer whose last digit is a tenth add 0.3, stored in place.
        QCOMPARE(r.Channel().Session()->Layer(), 1);
        QCOMPARE(r.Channel().Condition()->nItemCt, 1u);
        QCOMPARE(r.Record(0).lMeasValue, before + r.ValueOf(3, 0));
        QVERIFY((r.Record(0).bFlags & kRecordNoValue) == 0);
    });
}

}  // namespace klv

QTEST_MAIN(klv::CheckRoadTest)
#include "check_road_test.moc"
