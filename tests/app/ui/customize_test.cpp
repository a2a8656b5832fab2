#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "app/ui/customize_dialog.h"
#include "app/ui/main_window_harness.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

namespace klv {

namespace {

QString Ctl(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

bool Checked(QWidget& w, int id) {
    return test::Find<QAbstractButton>(w, Ctl(id))->isChecked();
}

bool Enabled(QWidget& w, int id) {
    return test::Find<QWidget>(w, Ctl(id))->isEnabled();
}

QString Shown(QWidget& w, int id) {
    return test::Find<QLabel>(w, Ctl(id))->text();
}

void OpenEnvironmentSet(CKLV570Dlg& window) {
    auto* action = window.findChild<QAction*>(QStringLiteral("cmd32851"));
    QVERIFY(action != nullptr && action->isEnabled());
    action->trigger();
}

const char kStored[] =
    "[General]\r\nSystemFlags=1281\r\n[Silent]\r\nMeasError=1\r\n"
    "[Sounds]\r\nMeasEnd=/mnt/usb/end.wav\r\n";

}  // namespace

class CustomizeTest : public QObject {
    Q_OBJECT

private slots:
    void silentRowsAreDisabledAndResetRestoresEveryDefault();
    void cancelChangesNothing();
};

void CustomizeTest::silentRowsAreDisabledAndResetRestoresEveryDefault() {
    test::ProgramUnderTest program;
    test::WriteTestFile(program.dir.File("KLV570.ini"), kStored);
    const std::string graphics = program.dir.Path() + "Graphics/";
    QVERIFY(program.RunMainWindow([&](CKLV570Dlg& window) {
        program.app.PlayEventSound(kSoundMeasError);
        QVERIFY(program.player.Calls().empty());
        test::ModalDriver modal;
        modal.When(QStringLiteral("CCustomize"), [&](QWidget& w) {
            QVERIFY(Checked(w, 1302) && !Checked(w, 1301));
            QVERIFY(!Checked(w, 1314));
            QVERIFY(!Enabled(w, 1324) && !Enabled(w, 1334) && !Enabled(w, 1344));
            QVERIFY(Checked(w, 1313) && Enabled(w, 1323) && Enabled(w, 1333));
            QCOMPARE(Shown(w, 1340), QStringLiteral("/mnt/usb/end.wav"));
            QCOMPARE(Shown(w, 1341), QStringLiteral("Buzzer6.wav"));
            test::Click(w, Ctl(1321));
            test::Click(w, Ctl(1320));  // that file is not there
            QCOMPARE(program.player.Calls(),
                     (std::vector<std::string>{"play " + graphics + "Buzzer6.wav", "beep"}));
            test::Click(w, Ctl(1300));
            QVERIFY(Checked(w, 1301) && !Checked(w, 1302));
            const char* defaults[] = {"Buzzer7.wav", "Buzzer6.wav", "Buzzer5.wav", "Buzzer2.wav",
                                      "Buzzer3.wav", "Buzzer4.wav", "Buzzer9.wav"};
            for (int i = 0; i < 7; ++i) {
                QVERIFY2(Checked(w, 1310 + i) && Enabled(w, 1320 + i) && Enabled(w, 1330 + i),
                         qPrintable(Ctl(1310 + i)));
                QCOMPARE(Shown(w, 1340 + i), QString::fromLatin1(defaults[i]));
            }
            test::Click(w, QStringLiteral("ok"));
        });
        OpenEnvironmentSet(window);
        QVERIFY(!QApplication::activeModalWidget());
    }));
    ProfileFile& ini = program.app.Profile();
    QCOMPARE(ini.GetProfileString("Sounds", "MeasEnd", ""), std::string("Buzzer7.wav"));
    QCOMPARE(ini.GetProfileInt("Silent", "MeasError", -1), 0);
    QCOMPARE(ini.GetProfileInt("General", "SystemFlags", -1), 1280);
    QVERIFY(program.app.ListStyle().oneClickActivate);
    program.player.Clear();
    program.app.PlayEventSound(kSoundMeasEnd);
    program.app.PlayEventSound(kSoundMeasError);
    QCOMPARE(program.player.Calls(),
             (std::vector<std::string>{"play " + graphics + "Buzzer7.wav",
                                       "play " + graphics + "Buzzer3.wav"}));
    program.app.ExitInstance();
}

void CustomizeTest::cancelChangesNothing() {
    test::ProgramUnderTest program;
    const std::string path = program.dir.File("KLV570.ini");
    test::WriteTestFile(path, kStored);
    QVERIFY(program.RunMainWindow([&](CKLV570Dlg& window) {
        const std::string before = test::ReadTestFile(path);
        test::ModalDriver modal;
        modal.When(QStringLiteral("CCustomize"), [&](QWidget& w) {
            test::Click(w, Ctl(1300));
            test::Click(w, QStringLiteral("cancel"));
        });
        OpenEnvironmentSet(window);
        QCOMPARE(test::ReadTestFile(path), before);
    }));
    QVERIFY(program.app.Sounds()[4].silent);
    program.app.ExitInstance();
}

}  // namespace klv

QTEST_MAIN(klv::CustomizeTest)
#include "customize_test.moc"
