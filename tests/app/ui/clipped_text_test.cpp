#include "support/ui/clipped_text.h"

#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/command_ids.h"
#include "app/settings_keys.h"
#include "app/system_flags.h"
#include "app/ui/condition_table.h"
#include "app/ui/main_face.h"
#include "app/ui/measurement_road.h"
#include "app/ui/program_outputs.h"
#include "app/ui/roll_paper_link.h"
#include "base/window_placement.h"
#include "measure/event_run_sounds.h"
#include "measure/ui/cal_data_error_dialog.h"
#include "measure/ui/meas_auto_stop_dialog.h"
#include "measure/ui/meas_data_modify_dialog.h"
#include "measure/ui/measure_stop_dialog.h"
#include "measure/ui/potential_color_dialog.h"
#include "measure/ui/thickness_drop_dialog.h"
#include "output/ui/line_printer_simulate.h"
#include "output/ui/meas_data_output.h"
#include "stats/ui/chart_scale_dialogs.h"
#include "stats/ui/ct_per_pack.h"
#include "stats/ui/data_over.h"
#include "stats/ui/simple_stat.h"
#include "stats/ui/stat_mode_setting.h"
#include "stats/ui/stat_msrd_modify.h"
#include "stats/ui/stat_print_item.h"
#include "support/ui/private_session_bus.h"
#include "support/ui/pty_pair.h"

namespace klv {

using namespace test;

namespace {

// Five layers, each with data, so that every column and panel row has something to show.
MeasFileData FiveLayers() {
    MeasFileData d =
        DemoCondition({Layer(kCoatChrome, "Cr"), Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu"),
                       Layer(kCoatTin, "Sn"), Layer(kCoatBrass, "Bs")},
                      "Five layers on steel");
    d.nItemCt = 15;
    d.wFirstDate = d.wLastDate = PackDate(2026, 12, 8);
    return d;
}

// The windows opened from the main window's commands, each checked as it opens and closed.
struct CommandWindow {
    const char* what;
    int command;
};

constexpr CommandWindow kCommandWindows[] = {
    {"condition display", cmd::kDisplayCondition},
    {"condition sheet", cmd::kSetCondition},
    {"sensitivity item", cmd::kEditSensitivity},
    {"test solution item", cmd::kEditTestSolution},
    {"current range item", cmd::kEditCurrentRange},
    {"pump speed item", cmd::kEditPumpSpeed},
    {"auto stop item", cmd::kEditAutoStop},
    {"blanking time item", cmd::kEditBlankingTime},
    {"unit item", cmd::kEditUnit},
    {"statistics items", cmd::kStatisticsItemSet},
    {"statistics window", cmd::kTemporaryStatistics},
    {"surface treatment", cmd::kSurfaceTreatment},
    {"reverse current", cmd::kReverseCurrent},
    {"additional electrolysis", cmd::kAdditionalElectrolysis},
    {"pump check", cmd::kPumpCheck},
    {"constant current check", cmd::kConstantCurrentCheck},
    {"sensitivity test", cmd::kSensitivityTest},
    {"device check", cmd::kDeviceCheck},
    {"constant current calibration", cmd::kConstantCurrentCalibration},
    {"device condition", cmd::kDeviceCondition},
    {"environment set", cmd::kEnvironmentSet},
    {"USB status", cmd::kUsbStatus},
    {"version", cmd::kVersion},
    {"standard calibration", cmd::kStandardCalibration},
    {"guess calibration", cmd::kGuessCalibration},
    {"observation", cmd::kObservationMeasurement},
    {"potential graph", cmd::kPotentialGraph},
    {"printer set", cmd::kPrinterSet},
    {"result font", cmd::kResultFont},
    {"channel delete list", cmd::kDeleteCondition},
    {"bulk erase", cmd::kDeleteAll},
    {"calibration interval", cmd::kCalibrationInterval},
    {"additional electrolysis item", cmd::kEditAdditionalElectrolysis},
    {"alloy factor item", cmd::kEditAlloyFactor},
    {"transmission method", cmd::kTransmissionMethod},
};

// What the dialogs built by the test are given.
struct Built {
    MeasFileData d;
    Operator& op;
    CEventRunSounds sounds;
    std::vector<MsrLogRecord> log;
    HistogramScale histogram{};
    ProfileScale profile{};
    ControlChart chart{};
    unsigned rules = 0;
    StatisticsSelection selection{};
};

// Dialogs that only open in the middle of a measurement, a calibration or a statistics page's
// scale button: no command reaches them without driving the whole run, so the test builds each
// with the data its window would give it.
struct BuiltDialog {
    const char* what;
    std::unique_ptr<QWidget> (*make)(Built&);
};

template <typename Dialog, typename... Args>
std::unique_ptr<QWidget> Make(Args&&... args) {
    return std::make_unique<Dialog>(std::forward<Args>(args)...);
}

const BuiltDialog kBuiltDialogs[] = {
    {"histogram scale",
     [](Built& b) { return Make<CHistogramSetting>(b.d, 0, b.histogram, b.op, nullptr); }},
    {"profile scale",
     [](Built& b) { return Make<CProfileSetting>(b.d, 0, b.profile, b.op, nullptr); }},
    {"control chart scale",
     [](Built& b) { return Make<CXbarRSetting>(b.d, 0, b.chart, b.rules, false, b.op, nullptr); }},
    {"print items", [](Built& b) { return Make<CStatPrintItem>(b.d, false, b.op); }},
    {"data modify",
     [](Built& b) {
         return Make<CStatMsrdModify>(b.d, std::span<const MsrLogRecord>(b.log), b.op);
     }},
    {"mode setting", [](Built& b) { return Make<CStatModeSetting>(b.selection, b.op); }},
    {"count per pack", [](Built& b) { return Make<CCtPerPack>(b.op, nullptr); }},
    {"data over", [](Built&) { return Make<CDataOver>(); }},
    {"stop question", [](Built& b) { return Make<CMeasureStop>(1.5f, b.d, 0); }},
    {"auto stop", [](Built& b) { return Make<CMeasAutoStop>(b.sounds); }},
    {"thickness drop", [](Built& b) { return Make<CThicknessDrop>(b.d, 0, 5, b.op); }},
    {"bad calibration",
     [](Built&) {
         return Make<CCalDataError>(QStringLiteral("12.34"), QStringLiteral("12.00"),
                                    QStringLiteral("2.8%"));
     }},
    {"measured value modify", [](Built& b) { return Make<CMeasDataModify>(1.5f, b.d, 0, b.op); }},
    {"potential colours",
     [](Built&) {
         return Make<CPotentialColor>(QColor(Qt::blue), QColor(Qt::red),
                                      [](QWidget*, QColor&) { return false; });
     }},
    {"text output",
     [](Built& b) {
         return Make<CMeasDataOutput>(b.d, std::span<const MsrLogRecord>(b.log),
                                      TextOutputSettings{}, std::string(), b.op);
     }},
};

// With KLV_SHOT_DIR set, each window looked at is also saved there as a picture for a person to
// look at (scripts/screenshots).
void SaveShot(QWidget& window, const QString& what) {
    static int taken = 0;
    const QString dir = qEnvironmentVariable("KLV_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QString name = what;
    name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    const QString file = QString("%1/%2-%3.png").arg(dir).arg(++taken, 3, 10, QChar('0')).arg(name);
    if (!window.grab().save(file))
        qWarning() << "cannot save" << file;
}

QString NameOf(const QWidget& w) {
    return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                    : w.objectName();
}

// Runs `command`, handing every window it opens to `check` and then closing it: a modal
// dialog as it opens, a modeless window once the command is done.
void RunAndCheck(QWidget& main, const std::function<void()>& command,
                 const std::function<void(QWidget&)>& check, QStringList& stuck) {
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before.insert(w);
    QWidget* modal = nullptr;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* now = QApplication::activeModalWidget();
        if (now == nullptr || now == &main)
            return;
        // A dialog still up after its reject ignores Escape: the table must answer it instead.
        if (now == modal) {
            stuck << NameOf(*now);
            now->hide();
            return;
        }
        modal = now;
        check(*now);
        QMetaObject::invokeMethod(now, "reject", Qt::QueuedConnection);
    });
    poll.start();
    command();
    poll.stop();
    // Guarded: waiting and closing run events that may delete other windows of the list.
    QList<QPointer<QWidget>> after;
    for (QWidget* w : QApplication::topLevelWidgets())
        after << w;
    for (const QPointer<QWidget>& w : after)
        if (w && w->isVisible() && !before.contains(w) && QTest::qWaitForWindowExposed(w) && w) {
            check(*w);
            w->close();
        }
}

// The condition's print-out as the print images show it: on the page printer's, then with the
// roll-paper printer chosen, in lines on the roll paper's.
void CheckPrintImages(CKLV570Dlg& w, CKLV570App& app,
                      const std::function<void(QWidget&, const QString&)>& check) {
    const auto printCondition = [&](const char* image) {
        ModalDriver modal;
        modal.When(QStringLiteral("measDataDisplay"), [](QWidget& display) {
            Find<QAbstractButton>(display, QStringLiteral("printButton"))->click();
            QMetaObject::invokeMethod(&display, "reject", Qt::QueuedConnection);
        });
        if (image != nullptr)
            modal.When(QString::fromLatin1(image), [&](QWidget& page) {
                check(page, QStringLiteral("page-printer print image"));
                QMetaObject::invokeMethod(&page, "reject", Qt::QueuedConnection);
            });
        w.OnCommand(cmd::kDisplayCondition);
    };
    printCondition("CPagePrinterSimulate");
    const std::uint32_t flags = app.SystemFlags();
    app.SetSystemFlags(flags | kFlagRollPaperPrinter);
    w.RollPaper().ApplySettings();
    printCondition(nullptr);
    check(*w.RollPaper().SimulationWindow(), QStringLiteral("roll-paper print image"));
    app.SetSystemFlags(flags);
    w.RollPaper().ApplySettings();
}

}  // namespace

class ClippedTextTest : public QObject {
    Q_OBJECT

private slots:
    void screenIs1024By768();
    void everyWindowShowsItsTextsWhole();
};

void ClippedTextTest::screenIs1024By768() {
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1024, 768));
}

void ClippedTextTest::everyWindowShowsItsTextsWhole() {
    QStringList cut;
    QStringList opened;
    QStringList stuck;
    // Each page of a tabbed window is looked at in turn.
    auto check = [&](QWidget& window, const QString& what) {
        opened << what + " (" + NameOf(window) + ")";
        auto add = [&] {
            for (const QString& line : ClippedTexts(window))
                if (!cut.contains(line))
                    cut << line;
        };
        add();
        SaveShot(window, what);
        // A tab bar of our own sheets switches its pages as a QTabWidget's does.
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabEnabled(i))
                    continue;
                tabs->setCurrentIndex(i);
                add();
                SaveShot(window, what + " " + tabs->tabText(i));
            }
            tabs->setCurrentIndex(shown);
        }
    };
    ProgramUnderTest p;
    PrepareChannel(p, 0, FiveLayers(), true);
    // The serial line on and the bus up, so the transmission sheet has its command.
    PrivateSessionBus bus;
    QVERIFY2(bus.IsRunning(), qPrintable(bus.Error()));
    PtyPair pty;
    QVERIFY(!pty.Path().empty());
    {
        ProfileFile ini(p.dir.File("KLV570.ini"));
        QVERIFY(ini.WriteProfileString("MeasDataSendParam", "PortName", pty.Path()));
        QVERIFY(ini.WriteProfileString("MeasDataSendParam", "ToRS232C", "1,65,1,0,1"));
    }
    Outputs outputs(p, bus.Address());
    {
        const std::vector<MsrLogRecord> log(15, Measured(1.5f, PackDate(2026, 12, 8)));
        QVERIFY(WriteMsrLogFile(p.app.Conditions(), 0, log.data(), 0, 15));
    }
    QVERIFY(ProfileFile(p.dir.File("KLV570.ini"))
                .WriteProfileInt(ini::kMeasurement, ini::kWinShow, kShowNormal));
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            Road road{p, w};
            QVERIFY(road.Channel().IsOpen());
            // The main window as a first start without a window manager opens it: not maximised,
            // no stored size.
            {
                // The table draws its cells itself, so its last column is measured here.
                CConditionTable& table = *w.Face().ConditionTable();
                QVERIFY2(table.header()->length() <= table.viewport()->width(),
                         qPrintable(QString("condition table %1 wide in %2")
                                        .arg(table.header()->length())
                                        .arg(table.viewport()->width())));
            }
            // The main window, the simulator and the roll-paper print image.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible())
                    check(*top, "at start");
            w.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // The platform hands the new size over through the event loop.
            QTRY_COMPARE(w.frameGeometry().size(), w.screen()->availableGeometry().size());
            check(w, "maximised");
            for (const CommandWindow& row : kCommandWindows) {
                qInfo() << row.what;
                RunAndCheck(
                    w, [&] { w.OnCommand(row.command); }, [&](QWidget& d) { check(d, row.what); },
                    stuck);
            }
            {
                // No PDF viewer on the path, so help opens the program's own window.
                const QByteArray path = qgetenv("PATH");
                TempDir noViewer;
                qputenv("PATH", QByteArray::fromStdString(noViewer.Path()));
                RunAndCheck(
                    w, [&] { w.OnCommand(cmd::kHelp); }, [&](QWidget& d) { check(d, "help"); },
                    stuck);
                qputenv("PATH", path);
            }
            Built built{FiveLayers(), p.app.Op(), CEventRunSounds(p.app.EventSounds()),
                        std::vector<MsrLogRecord>(15, Measured(1.5f, PackDate(2026, 12, 8)))};
            for (const BuiltDialog& row : kBuiltDialogs) {
                const std::unique_ptr<QWidget> dialog = row.make(built);
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                check(*dialog, row.what);
            }
            CheckPrintImages(w, p.app, check);
            // The channel list, once no channel is open.
            w.OnCommand(cmd::kEndMeasurement);
            RunAndCheck(
                w, [&] { w.OnCommand(cmd::kSelectCondition); },
                [&](QWidget& d) { check(d, "channel list"); }, stuck);
        },
        {"-siml=1", "-printer=siml"}));
    qInfo().noquote() << "opened:" << opened.join(", ");
    QVERIFY2(stuck.isEmpty(), qPrintable("reject did not close: " + stuck.join(", ")));
    if (!cut.isEmpty())
        QFAIL(qPrintable("texts cut:\n" + cut.join('\n')));
}

}  // namespace klv

QTEST_MAIN(klv::ClippedTextTest)
#include "clipped_text_test.moc"
