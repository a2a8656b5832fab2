#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <thread>

#include "base/clock.h"
#include "device/fake/fake_instrument.h"
#include "device/fake/in_memory_usb.h"
#include "device/ui/qt_device_seams.h"
#include "device/ui/usb_msg_box_dialog.h"
#include "device/ui/usb_status_dialog.h"
#include "support/recording_sound_player.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

class Receiver : public QObject {
public:
    int notifications = 0;
    bool event(QEvent* e) override {
        if (e->type() == kPollingNotifyEvent) {
            ++notifications;
            return true;
        }
        return QObject::event(e);
    }
};

class DeviceDialogsTest : public QObject {
    Q_OBJECT
    test::RecordingSoundPlayer m_player;
private slots:
    void boxButtonsWaitForTheDeviceThenReport();
    void okBoxEscapeAnswersCancel();
    void repeatCancelBoxIgnoresEscape();
    void viewShowsAFreshBoxEveryTime();
    void statusDialogShowsAndResetsCounters();
    void pollTargetPostsFromAnotherThread();
    void busyScopeDisablesWindowsAndRestores();
};

// The box's buttons wait until the device is closed (onShown), so the answer is queued from
// there; the driver acts only on the active modal widget, so the box must block other windows.
void DeviceDialogsTest::boxButtonsWaitForTheDeviceThenReport() {
    m_player.Clear();
    CUsbMsgBox box(m_player);
    test::ModalDriver modal;
    int pressed = 0;
    bool enabledAtShow = true;
    int id = box.Run(
        "Receiving time out has occurred.", 0x35,
        [&] {
            enabledAtShow = test::Find<QPushButton>(box, "button4")->isEnabled();
            modal.When("CUsbMsgBox", [&](QWidget&) {
                auto* repeat = test::Find<QPushButton>(box, "button4");
                QVERIFY(repeat->isEnabled());
                QCOMPARE(repeat->text(), QString("Repeat(&R)"));
                QVERIFY(box.findChild<QLabel*>("icon"));
                // A text narrower than half the screen is not wrapped.
                const QLabel* text = test::Find<QLabel>(box, "text");
                QCOMPARE(text->heightForWidth(text->width()), text->fontMetrics().height());
                test::Find<QPushButton>(box, "button2")->click();
            });
        },
        [&](int i) { pressed = i; });
    QVERIFY(!enabledAtShow);
    QCOMPARE(m_player.Calls(), std::vector<std::string>{"beep"});
    QCOMPARE(id, 2);
    QCOMPARE(pressed, 2);
    QCOMPARE(box.windowTitle(), QString("KLV-570 USB Communication error"));
}

void DeviceDialogsTest::okBoxEscapeAnswersCancel() {
    CUsbMsgBox box(m_player);
    test::ModalDriver modal;
    int pressed = 0;
    const auto escape = [&] {
        modal.When("CUsbMsgBox", [&](QWidget&) { QTest::keyClick(&box, Qt::Key_Escape); });
    };
    QCOMPARE(box.Run("x", 0, escape, [&](int i) { pressed = i; }), 2);
    QCOMPARE(pressed, 2);
    QVERIFY2(box.findChild<QLabel*>("icon"), "OK box gets the exclamation icon");
}

void DeviceDialogsTest::repeatCancelBoxIgnoresEscape() {
    CUsbMsgBox box(m_player);
    test::ModalDriver modal;
    const auto escapeThenRepeat = [&] {
        modal.When("CUsbMsgBox", [&](QWidget&) {
            QTest::keyClick(&box, Qt::Key_Escape);
            QVERIFY(box.isVisible());
            QVERIFY2(!box.findChild<QLabel*>("icon"), "set 5 without icon bits has none");
            test::Find<QPushButton>(box, "button4")->click();
        });
    };
    QCOMPARE(box.Run("x", 5, escapeThenRepeat, [](int) {}), 4);
}

void DeviceDialogsTest::viewShowsAFreshBoxEveryTime() {
    QtUsbMsgBoxView view(m_player);
    for (int round = 0; round < 2; ++round) {
        test::ModalDriver modal;
        const auto repeat = [&] {
            modal.When("CUsbMsgBox", [](QWidget& box) {
                QCOMPARE(box.findChildren<QPushButton*>().size(), 2);
                test::Find<QPushButton>(box, "button4")->click();
            });
        };
        QCOMPARE(view.Run("x", 0x35, repeat, [](int) {}), 4);
    }
}

void DeviceDialogsTest::statusDialogShowsAndResetsCounters() {
    SystemClock clock;
    test::FakeInstrument instrument(clock);
    test::InMemoryUsb usb(instrument);
    QtUiPump pump;
    QtUsbMsgBoxView box(m_player);
    CUsbTransport transport(usb, pump, box, clock);
    QCOMPARE(transport.UUsbdAPI_InitializeApp(false), 0u);
    std::uint8_t frame[4] = {0x5A, 0x0A, 1, 0};
    DeviceCommand cmd;
    cmd.pTxBuffer = frame;
    cmd.dwTxLength = 4;
    QCOMPARE(transport.Exchange(cmd, 3, true, false), 1);
    CUsbStatus dialog(transport);
    QCOMPARE(dialog.windowTitle(), QString("USB Communication situaton"));
    QCOMPARE(test::Find<QLineEdit>(dialog, "exchanges")->text(), QString("1"));
    QCOMPARE(test::Find<QLineEdit>(dialog, "errors")->text(), QString("0"));
    test::Find<QPushButton>(dialog, "reset")->click();
    QTRY_COMPARE_WITH_TIMEOUT(test::Find<QLineEdit>(dialog, "exchanges")->text(), QString("0"),
                              2000);
    transport.Shutdown();
}

void DeviceDialogsTest::pollTargetPostsFromAnotherThread() {
    Receiver receiver;
    QtPollTarget target(&receiver);
    std::thread t([&] { target.PostPollingNotify(); });
    t.join();
    QCOMPARE(receiver.notifications, 0);
    QtUiPump().ProcessPendingEvents();
    QCOMPARE(receiver.notifications, 1);
}

void DeviceDialogsTest::busyScopeDisablesWindowsAndRestores() {
    QWidget main;
    main.show();
    QDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowTitleHint);
    dialog.show();
    QtBusyScopeHost host(&main);
    {
        CBusyScope outer(host);
        QVERIFY(!main.isEnabled());
        QVERIFY(!dialog.isEnabled());
        QVERIFY(QApplication::overrideCursor());
        { CBusyScope inner(host); }
        QVERIFY2(!main.isEnabled(), "a nested scope passes through");
    }
    QVERIFY(main.isEnabled());
    QVERIFY(dialog.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
}

}  // namespace klv

QTEST_MAIN(klv::DeviceDialogsTest)
#include "device_dialogs_test.moc"
