#include "support/ui/clipped_text.h"

#include <QDeadlineTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
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
#include "app/ui/potential_graph_link.h"
#include "app/ui/program_outputs.h"
#include "app/ui/roll_paper_link.h"
#include "base/ui/password_input.h"
#include "base/window_placement.h"
#include "device/ui/usb_msg_box_dialog.h"
#include "device/usb_msg_box.h"
#include "device/usb_status.h"
#include "measure/event_run_sounds.h"
#include "measure/ui/cal_data_error_dialog.h"
#include "measure/ui/confirm_current_dialog.h"
#include "measure/ui/current_calibrate_dialog.h"
#include "measure/ui/meas_auto_stop_dialog.h"
#include "measure/ui/meas_data_modify_dialog.h"
#include "measure/ui/measure_stop_dialog.h"
#include "measure/ui/potential_color_dialog.h"
#include "measure/ui/thickness_drop_dialog.h"
#include "output/ui/line_printer_simulate.h"
#include "output/ui/meas_data_output.h"
#include "reference/coat_base_list.h"
#include "reference/ui/meas_file_list.h"
#include "reference/ui/solution_select.h"
#include "reference/ui/special_solution.h"
#include "reference/ui/wt_after_input.h"
#include "reference/wt_coefficient.h"
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
    {"calibration interval", cmd::kCalibrationInterval},
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

// Condition dialogs that only a running WT measurement or the alloy page of tin over an alloy
// layer opens: built with the data their caller gives them.
struct BuiltConditionDialog {
    const char* what;
    std::unique_ptr<QWidget> (*make)(CKLV570App&);
};

const BuiltConditionDialog kBuiltConditionDialogs[] = {
    {"special solution",
     [](CKLV570App& app) {
         // Tin over its alloy layer on copper, whose solution pair is chosen here.
         static MeasFileData d = [] {
             MeasFileData tin =
                 DemoCondition({Layer(kCoatTin, "Sn"), Layer(kCoatCopper, "Cu")}, "Tin on copper");
             InsertAlloyLayer(tin);
             return tin;
         }();
         return Make<CSpecialSolution>(d, app.Op());
     }},
    {"WT weight",
     [](CKLV570App& app) {
         static MeasFileData d = [] {
             MeasFileData wt = DemoCondition({Layer(kCoatTin, "Sn")}, "Tin on wire");
             wt.bGasket = kGasketWT;
             wt.bWtMode = kWtModeRoundRod;
             wt.fWtLength = 12.5f;
             return wt;
         }();
         return Make<CWTAfterInput>(d, app.Op());
     }},
};

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
    QDeadlineTimer rejected;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* now = QApplication::activeModalWidget();
        if (now == nullptr || now == &main)
            return;
        // A dialog still up after its reject ignores Escape: the table must answer it instead.
        // Its reject may wait on the instrument for a while first.
        if (now == modal) {
            if (!rejected.hasExpired())
                return;
            stuck << NameOf(*now);
            now->hide();
            return;
        }
        modal = now;
        check(*now);
        rejected.setRemainingTime(2000);
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

using Check = std::function<void(QWidget&, const QString&)>;

// Runs `command` and fails when it opens no window.
void OpenAndCheck(QWidget& main, int command, const QString& what, const Check& check,
                  QStringList& stuck) {
    int seen = 0;
    RunAndCheck(
        main, [&] { static_cast<CKLV570Dlg&>(main).OnCommand(command); },
        [&](QWidget& d) {
            ++seen;
            check(d, what);
        },
        stuck);
    QVERIFY2(seen > 0, qPrintable(what + " opened no window"));
}

// Closes a dialog from its own event loop, as its Escape would.
void Reject(QWidget& dialog) {
    QMetaObject::invokeMethod(&dialog, "reject", Qt::QueuedConnection);
}

void ActivateChannel(QWidget& list, int index) {
    auto& channels = static_cast<CMeasFileList&>(list);
    emit channels.List().rowActivated(channels.RowOfChannel(index));
}

QString FreeNameButton(QWidget& select, CoatBaseKind kind) {
    for (QPushButton* b : select.findChildren<QPushButton*>())
        if (b->property("code").toInt() == FreeNameCode(kind))
            return b->objectName();
    return {};
}

// The base selection and below it the free name, both looked at and cancelled.
void CheckBaseSelect(ModalDriver& modal, QWidget& sheet, const Check& check) {
    modal.When("coatBaseSelect", [&modal, &check](QWidget& select) {
        check(select, "base select");
        modal.When("coatBaseName", [&check](QWidget& name) {
            check(name, "base name");
            Reject(name);
        });
        Click(select, FreeNameButton(select, CoatBaseKind::Base));
        Reject(select);
    });
    Click(sheet, "baseBox");
}

// A free-named first layer, which no solution combination knows.
void ChooseFreeCoating(ModalDriver& modal, QWidget& sheet, const Check& check) {
    modal.When("coatBaseSelect", [&modal, &check](QWidget& select) {
        check(select, "coating select");
        modal.When("coatBaseName", [&check](QWidget& name) {
            check(name, "coating name");
            Type(name, "nameEdit", QStringLiteral("Zq"));
            Click(name, "okButton");
        });
        Click(select, FreeNameButton(select, CoatBaseKind::Coating));
    });
    Click(sheet, "coatBox0");
}

// The new-channel wizard page by page, with the dialogs its pages open: Finish with nothing
// chosen, then the first channel's five layers copied in, the first renamed freely (so that
// the pump and current pages follow) and the WT gasket; the first layer's test solution and
// the WT mode are left missing until their pages ask for them.
void WalkWizard(ModalDriver& modal, QWidget& sheet, const Check& check) {
    auto page = [&] {
        return "new condition wizard " + Find<QLabel>(sheet, "pageCaption")->text();
    };
    check(sheet, page());
    Click(sheet, "finishButton");
    check(sheet, page() + " lack of item");
    CheckBaseSelect(modal, sheet, check);
    modal.When("measFileList", [&modal, &check](QWidget& list) {
        check(list, "copy source list");
        modal.When("measFileCopy", [&check](QWidget& copy) {
            check(copy, "file copy");
            Click(copy, "okButton");
        });
        ActivateChannel(list, 0);
    });
    Click(sheet, "fileCopyButton");
    ChooseFreeCoating(modal, sheet, check);
    Choose(sheet, "gasketCombo", kGasketWT - 1);
    for (int i = 0; i < 10 && Find<QPushButton>(sheet, "nextButton")->isVisible(); ++i) {
        Click(sheet, "nextButton");
        check(sheet, page());
        if (sheet.findChild<QWidget*>("measFilePump")->isVisible()) {
            // Next marks the missing solution and opens its list.
            modal.When("solutionSelect", [&](QWidget& list) {
                check(sheet, page() + " lack of item");
                check(list, "test solution list");
                emit static_cast<CSolutionSelect&>(list).List().rowActivated(0);
            });
            Click(sheet, "nextButton");
        }
    }
    const bool lastIsWt = sheet.findChild<QWidget*>("measFileWT")->isVisible();
    Click(sheet, "finishButton");
    check(sheet, page() + " nothing chosen");
    Reject(sheet);
    QVERIFY2(lastIsWt, "the wizard did not reach its WT page");
}

// The condition sheet in calibration mode, from the standard calibration's "Setting change".
void CheckCalibrationSheet(Road& road, const Check& check) {
    ModalDriver modal;
    modal.When("CStandardCalibrate", [&modal, &check](QWidget& calibrate) {
        modal.When("measFileSheet", [&check](QWidget& sheet) {
            check(sheet, "calibration condition sheet");
            Reject(sheet);
        });
        Click(calibrate, "ctl32778");
        Reject(calibrate);
    });
    road.w.OnCommand(cmd::kStandardCalibration);
}

// Condition windows the command walk cannot reach in its state, opened through the program:
// the calibration sheet, additional electrolysis once a layer is measured, bulk erase and the
// display of a condition to delete with no channel open, and the wizard of an empty channel.
void CheckConditionWindows(Road& road, const Check& check, QStringList& stuck) {
    CheckCalibrationSheet(road, check);
    std::uint32_t count = 0;
    road.MeasureLayer(count);
    OpenAndCheck(road.w, cmd::kAdditionalElectrolysis, "additional electrolysis", check, stuck);
    OpenAndCheck(road.w, cmd::kEditAdditionalElectrolysis, "additional electrolysis item", check,
                 stuck);
    road.w.OnCommand(cmd::kEndMeasurement);
    QVERIFY(!road.Channel().IsOpen());
    OpenAndCheck(road.w, cmd::kDeleteAll, "bulk erase", check, stuck);
    ModalDriver modal;
    modal.When("measFileList", [&modal, &check](QWidget& list) {
        modal.When("measDataDisplay", [&check](QWidget& display) {
            check(display, "condition display to delete");
            Reject(display);
        });
        ActivateChannel(list, 0);
        Reject(list);
    });
    road.w.OnCommand(cmd::kDeleteCondition);
    modal.When("measFileList", [&modal, &check](QWidget& list) {
        modal.When("measFileSheet",
                   [&modal, &check](QWidget& sheet) { WalkWizard(modal, sheet, check); });
        ActivateChannel(list, 1);
    });
    road.w.OnCommand(cmd::kSelectCondition);
    for (const BuiltConditionDialog& row : kBuiltConditionDialogs) {
        const std::unique_ptr<QWidget> dialog = row.make(road.p.app);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        check(*dialog, row.what);
    }
}

// The check dialogs with the current on, as the operator reads them while they run.
struct RunningCheck {
    const char* what;
    int command;
    const char* dialog;
    const char* power;  // the control that puts the current out
};

constexpr RunningCheck kRunningChecks[] = {
    {"pump check running", cmd::kPumpCheck, "CPumpCheck", "on"},
    {"constant current check running", cmd::kConstantCurrentCheck, "CCurrentCheck", "power"},
    {"sensitivity test running", cmd::kSensitivityTest, "CSensitiveTest", "power"},
    {"device check running", cmd::kDeviceCheck, "CMechanicalCheck", "power"},
    {"reverse current running", cmd::kReverseCurrent, "CReverseCurrent", "start"},
};

// The instrument's own boxes and dialogs that no command of the table shows as they run.
void CheckDeviceWindows(CKLV570App& app, CKLV570Dlg& w, const Check& check) {
    for (int buttons = 0; buttons <= kBoxRepeatCancel; ++buttons) {
        ModalDriver modal;
        modal.When("CUsbMsgBox", [&](QWidget& d) {
            check(d, QString("USB message %1").arg(buttons));
            Reject(d);
        });
        CUsbMsgBox box(app.EventSounds().Player(), &w);
        box.Run(
            UsbStatusText(kUsbPacketLengthFailed), buttons | kBoxIconExclamation, [] {},
            [](int) {});
    }
    {
        ModalDriver modal;
        modal.When("CConfirmCurrent", [&](QWidget& d) {
            Press(d, "start");
            QTest::qWait(200);
            check(d, "confirm current");
            Reject(d);
        });
        ConfirmOutputCurrent(w.Device().Protocol(), app.EventSounds(), 177.2f, false, &w);
    }
    {
        ModalDriver modal;
        modal.When("CPasswordInput", [](QWidget& d) {
            d.findChild<QLineEdit*>()->setText(CCurrentCalibrate::kAccessCode);
            qobject_cast<QDialog*>(&d)->accept();
        });
        modal.When("CCurrentCalibrate", [&](QWidget& d) {
            check(d, "current calibration");
            Reject(d);
        });
        w.OnCommand(cmd::kConstantCurrentCalibration);
    }
    for (const RunningCheck& row : kRunningChecks) {
        ModalDriver modal;
        modal.When(row.dialog, [&](QWidget& d) {
            Press(d, row.power);
            QTest::qWait(300);
            check(d, row.what);
            Reject(d);
        });
        w.OnCommand(row.command);
    }
}

// The main window and the potential graph while a layer is plated, after the first layer with
// the additional electrolysis it allows, and with the result of all five layers; then the
// standard calibration and the observation with values measured.
void CheckMeasuring(Road& road, const Check& check) {
    road.w.OnCommand(cmd::kPotentialGraph);
    QWidget& graph = *road.w.Graph().Window();
    road.PressF2();
    road.EndBlanking();
    CountTo(road, 20);
    check(road.w, "measuring");
    check(graph, "potential graph measuring");
    std::uint32_t count = 0;
    road.Trip(count);
    check(road.w, "first layer measured");
    {
        ModalDriver modal;
        modal.When("CAddElectrolyze", [&](QWidget& d) {
            check(d, "additional electrolysis");
            Reject(d);
        });
        road.w.OnCommand(cmd::kAdditionalElectrolysis);
    }
    for (int layer = 1; layer < 5; ++layer)
        road.MeasureLayer(count);
    QCOMPARE(road.Channel().Layer(), 0);
    check(road.w, "measured");
    check(graph, "potential graph measured");
    road.w.OnCommand(cmd::kPotentialGraph);
    ModalDriver modal;
    modal.When("CStandardCalibrate", [&](QWidget& d) {
        Find<QLineEdit>(d, "ctl4112")->setText("10");
        MeasureStandard(road, d, 112);
        check(d, "standard calibration measured");
        Reject(d);
    });
    road.w.OnCommand(cmd::kStandardCalibration);
    modal.When("CPotentialMeasure", [&](QWidget& d) {
        MeasureInDialog(road, d, 60);
        check(d, "observation first layer");
        for (int layer = 1; layer < 5; ++layer)
            MeasureInDialog(road, d, 40);
        check(d, "observation measured");
        Press(d, "ctl32812");
    });
    road.w.OnCommand(cmd::kObservationMeasurement);
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
    auto check = [&](QWidget& window, const QString& what) {
        opened << what + " (" + NameOf(window) + ")";
        for (const QString& line : ClippedTextsOfEveryPage(window, what))
            if (!cut.contains(line))
                cut << line;
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
                OpenAndCheck(w, row.command, row.what, check, stuck);
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
            CheckDeviceWindows(p.app, w, check);
            CheckMeasuring(road, check);
            CheckPrintImages(w, p.app, check);
            // Ends the channel's measurement: last.
            CheckConditionWindows(road, check, stuck);
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
