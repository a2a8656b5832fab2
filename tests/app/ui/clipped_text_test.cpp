#include "support/ui/clipped_text.h"

#include <QHeaderView>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/command_ids.h"
#include "app/settings_keys.h"
#include "app/ui/condition_table.h"
#include "app/ui/main_face.h"
#include "app/ui/measurement_road.h"
#include "base/window_placement.h"
#include "stats/ui/simple_stat.h"

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
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w) && QTest::qWaitForWindowExposed(w)) {
            check(*w);
            w->close();
        }
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
        for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                add();
            }
            tabs->setCurrentIndex(shown);
        }
    };
    ProgramUnderTest p;
    PrepareChannel(p, 0, FiveLayers(), true);
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
            check(w, "maximised");
            for (const CommandWindow& row : kCommandWindows) {
                qInfo() << row.what;
                RunAndCheck(
                    w, [&] { w.OnCommand(row.command); }, [&](QWidget& d) { check(d, row.what); },
                    stuck);
            }
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
