#include <QAbstractButton>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QTreeWidget>
#include <QtTest>
#include <array>

#include "app/klv570_app.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_window_harness.h"
#include "app/ui/qt_operator.h"
#include "app/ui/runtime_check.h"
#include "base/ui/text_codec.h"
#include "base/ui/window_settings.h"
#include "measure/run_messages.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"

namespace klv {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void placementIsClampedAndRestoredMaximised();
    void placementIsSavedFromTheNormalRectangle();
    void listColumnsAreAllStoredOrAllDefaults();
    void closeAsksAndOnlyYesClosesAndSaves();
    void failedDeviceStartWritesNoWindowSettings();
    void operatorShowsTheBoxAndReturnsThePressedId();
    void codecConvertsWindows1252BothWays();
    void runtimeCheckWantsTheBuiltMajorVersion();
};

void MainWindowTest::placementIsClampedAndRestoredMaximised() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    ini.WriteProfileInt("Win", "WinLeft", -50);
    ini.WriteProfileInt("Win", "WinTop", 20);
    ini.WriteProfileInt("Win", "WinWidth", 10);
    ini.WriteProfileInt("Win", "WinHeight", 5000);
    QWidget w;
    RestoreWindowPlacement(w, ini, "Win", true, false);
    // Not yet shown, the window has no frame of its own: room is kept for the style's.
    const int border = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    QCOMPARE(w.x(), border);
    QCOMPARE(w.width(), 32);
    QVERIFY(w.height() < 5000);
    // The title bar stays on the screen.
    QCOMPARE(w.y(), border + w.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    QVERIFY(!(w.windowState() & Qt::WindowMaximized));

    ini.WriteProfileInt("Win", "WinShow", 3);
    RestoreWindowPlacement(w, ini, "Win", true, true, WindowSize{300, 200});
    QCOMPARE(w.width(), 300);
    QVERIFY(w.windowState() & Qt::WindowMaximized);

    // Without the size flag only the position is taken.
    QWidget moved;
    moved.resize(400, 300);
    ini.WriteProfileInt("Pos", "WinLeft", 10);
    ini.WriteProfileInt("Pos", "WinTop", 45);
    ini.WriteProfileInt("Pos", "WinWidth", 999);
    RestoreWindowPlacement(moved, ini, "Pos", false, false);
    QCOMPARE(moved.pos(), QPoint(10, 45));
    QCOMPARE(moved.size(), QSize(400, 300));
}

void MainWindowTest::placementIsSavedFromTheNormalRectangle() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    QWidget w;
    w.setGeometry(40, 50, 300, 200);
    QVERIFY(SaveWindowPlacement(w, ini, "Win", false, false));
    QCOMPARE(ini.GetProfileInt("Win", "WinLeft", -1), 40);
    QCOMPARE(ini.GetProfileInt("Win", "WinTop", -1), 50);
    QCOMPARE(ini.GetProfileInt("Win", "WinWidth", -1), -1);
    QVERIFY(SaveWindowPlacement(w, ini, "Win", true, true));
    QCOMPARE(ini.GetProfileInt("Win", "WinWidth", -1), 300);
    QCOMPARE(ini.GetProfileInt("Win", "WinHeight", -1), 200);
    QCOMPARE(ini.GetProfileInt("Win", "WinShow", -1), 1);
    QCOMPARE(ini.GetProfileInt("Win", "WinMinX", 0), -1);

    QWidget restored;
    restored.resize(10, 10);
    RestoreWindowPlacement(restored, ini, "Win", true, true);
    QCOMPARE(restored.geometry(), QRect(40, 50, 300, 200));
}

void MainWindowTest::listColumnsAreAllStoredOrAllDefaults() {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    const std::array<ListColumn, 3> columns{{{"No.", ColumnAlign::Right, 40},
                                             {"Title", ColumnAlign::Left, 150},
                                             {"Date", ColumnAlign::Center, 90}}};
    ini.WriteProfileInt("List", "ColWidth0", 5000);
    ini.WriteProfileInt("List", "ColWidth1", 2);
    QTreeWidget list;
    RestoreListColumns(list, ini, "List", columns);
    QCOMPARE(list.columnCount(), 3);
    QCOMPARE(list.headerItem()->text(1), QStringLiteral("Title"));
    QCOMPARE(list.headerItem()->textAlignment(0), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(list.columnWidth(0), 40);  // ColWidth2 is missing: all defaults
    QCOMPARE(list.columnWidth(1), 150);
    QCOMPARE(list.columnWidth(2), 90);

    ini.WriteProfileInt("List", "ColWidth2", 77);
    RestoreListColumns(list, ini, "List", columns);
    QCOMPARE(list.columnWidth(0), 2000);
    QCOMPARE(list.columnWidth(1), 4);
    QCOMPARE(list.columnWidth(2), 77);

    list.setColumnWidth(1, 123);
    QVERIFY(SaveListColumns(list, ini, "Other", columns));
    QCOMPARE(ini.GetProfileInt("Other", "ColWidth0", -1), 2000);
    QCOMPARE(ini.GetProfileInt("Other", "ColWidth1", -1), 123);
    QCOMPARE(ini.GetProfileInt("Other", "ColWidth2", -1), 77);
}

void MainWindowTest::closeAsksAndOnlyYesClosesAndSaves() {
    test::ProgramUnderTest program;
    test::ScriptedOperator& op = program.op;
    CKLV570App& app = program.app;
    QVERIFY(program.RunMainWindow(
        [&](CKLV570Dlg& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("KLV-570"));
            QVERIFY(window.menuBar() != nullptr);

            op.Answer(IDNO);
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());
            QCOMPARE(app.Profile().GetProfileInt("Measurement", "WinLeft", -1), -1);

            // Nothing is remembered: the start asks for a channel, and the operator opens none.
            auto* cancel = new QTimer(&window);
            QObject::connect(cancel, &QTimer::timeout, [cancel] {
                auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (list != nullptr && list->objectName() == QStringLiteral("measFileList")) {
                    cancel->stop();
                    list->reject();
                }
            });
            cancel->start(10);
            window.StartDevice();
            QVERIFY(!cancel->isActive());
            window.setGeometry(30, 40, 640, 480);
            op.Answer(IDYES);
            auto* exit = window.findChild<QAction*>(QStringLiteral("cmd57665"));
            QVERIFY(exit);
            exit->trigger();
            QVERIFY(!window.isVisible());
        },
        {"-siml=1"}));
    QCOMPARE(op.Messages().size(), std::size_t{2});
    QCOMPARE(op.Messages()[0].text, std::string("May the program be closed?"));
    QCOMPARE(op.Messages()[0].buttons, MsgButtons::YesNo);
    ProfileFile& ini = app.Profile();
    QCOMPARE(ini.GetProfileInt("Measurement", "WinLeft", -1), 30);
    QCOMPARE(ini.GetProfileInt("Measurement", "WinTop", -1), 40);
    QCOMPARE(ini.GetProfileInt("Measurement", "WinWidth", -1), 640);
    QCOMPARE(ini.GetProfileInt("Measurement", "WinShow", -1), 1);
    app.ExitInstance();
}

// Without an instrument the start ends the program before the window counts as set up.
void MainWindowTest::failedDeviceStartWritesNoWindowSettings() {
    test::ProgramUnderTest program;
    program.device.instrument.SetConnected(false);
    QVERIFY(program.RunMainWindow([&](CKLV570Dlg& window) {
        window.setGeometry(30, 40, 640, 480);
        window.StartDevice();
        QVERIFY(!window.isVisible());
    }));
    QCOMPARE(program.op.Messages().size(), std::size_t{1});
    QCOMPARE(program.op.Messages()[0].icon, MsgIcon::Stop);
    for (const char* key :
         {"WinLeft", "WinShow", "SplitPosition", "FontSize", "ColWidth0", "MeasResultCol0"})
        QVERIFY2(!program.app.Profile().HasProfileKey("Measurement", key), key);
    program.app.ExitInstance();
}

void MainWindowTest::operatorShowsTheBoxAndReturnsThePressedId() {
    QtOperator op;
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    test::ModalDriver modal;
    auto press = [&](QMessageBox::StandardButton which) {
        modal.When(QStringLiteral("QMessageBox"), [&, which](QWidget& w) {
            auto* box = static_cast<QMessageBox*>(&w);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            box->button(which)->click();
        });
    };
    press(QMessageBox::No);
    QCOMPARE(op.ShowMessage("May the program be closed?", MsgIcon::Question, MsgButtons::YesNo),
             int(IDNO));
    QCOMPARE(caption, QStringLiteral("KLV-570"));
    QCOMPARE(text, QStringLiteral("May the program be closed?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttonCount, 2);

    press(QMessageBox::Retry);
    QCOMPARE(op.ShowMessage("x", MsgIcon::Stop, MsgButtons::RetryCancel), int(IDRETRY));
    QCOMPARE(icon, QMessageBox::Critical);

    press(QMessageBox::Ignore);
    QCOMPARE(op.ShowMessage("x", MsgIcon::Exclamation, MsgButtons::AbortRetryIgnore),
             int(IDIGNORE));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttonCount, 3);

    press(QMessageBox::Ok);
    QCOMPARE(op.ShowMessage("\xb5m", MsgIcon::Information, MsgButtons::Ok), int(IDOK));
    QCOMPARE(text, QString::fromUtf8("\xc2\xb5m"));
    // The maximum-count question ends in a question mark every font shows, not in three letters.
    press(QMessageBox::Yes);
    QCOMPARE(op.ShowMessage(kMsgMaximumCount, MsgIcon::Question, MsgButtons::YesNo), int(IDYES));
    QVERIFY2(text.endsWith(QStringLiteral("measurement data?")), qPrintable(text));
}

void MainWindowTest::codecConvertsWindows1252BothWays() {
    TextCodec codec;
    QCOMPARE(codec.Charset(), std::string("WINDOWS-1252"));
    QCOMPARE(codec.ToQString("g/m%0 \x80 \xb5m"),
             QString::fromUtf8("g/m%0 \xe2\x82\xac \xc2\xb5m"));
    QCOMPARE(codec.FromQString(QString::fromUtf8("\xe2\x82\xac\xc2\xb5")), std::string("\x80\xb5"));
    // Bytes without a character and characters without a byte become "?", the rest stays.
    QCOMPARE(codec.ToQString(std::string("a\x81"
                                         "b")),
             QStringLiteral("a?b"));
    QCOMPARE(codec.FromQString(QString::fromUtf8("a\xe6\xbc\xa2\xf0\x9f\x98\x80z")),
             std::string("a??z"));
    QCOMPARE(codec.ToQString(std::string("a\0b", 3)), QString::fromUtf8("a\0b", 3));

    QVERIFY(!SetUiCharset("NO-SUCH-CHARSET"));
    QCOMPARE(UiTextCodec().Charset(), std::string("WINDOWS-1252"));
    QVERIFY(SetUiCharset("ISO-8859-15"));
    QCOMPARE(ToQString("\xa4"), QString::fromUtf8("\xe2\x82\xac"));
    QVERIFY(SetUiCharset(TextCodec::kDefaultCharset));
    QCOMPARE(FromQString(QString::fromUtf8("\xe2\x82\xac")), std::string("\x80"));
}

void MainWindowTest::runtimeCheckWantsTheBuiltMajorVersion() {
    QVERIFY(CheckQtRuntime().empty());
    QVERIFY(CheckQtRuntime("6.4.2", 6, 4).empty());
    QVERIFY(CheckQtRuntime("6.5.0", 6, 4).empty());
    QVERIFY(!CheckQtRuntime("6.3.9", 6, 4).empty());
    QVERIFY(!CheckQtRuntime("5.15.2", 6, 4).empty());
    QVERIFY(!CheckQtRuntime("junk", 6, 4).empty());
    QVERIFY(!CheckQtRuntime(nullptr, 6, 4).empty());
}

}  // namespace klv

QTEST_MAIN(klv::MainWindowTest)
#include "main_window_test.moc"
