#include "support/ui/clipped_text.h"

#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/command_ids.h"
#include "app/ui/measurement_road.h"
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

// Runs `command`, handing every window it opens to `check` and then closing it: a modal
// dialog as it opens, a modeless window once the command is done.
void RunAndCheck(QWidget& main, const std::function<void()>& command,
                 const std::function<void(QWidget&)>& check) {
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before.insert(w);
    QWidget* modal = nullptr;
    int waited = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* now = QApplication::activeModalWidget();
        if (now == nullptr || now == &main)
            return;
        if (now != modal) {
            modal = now;
            waited = 0;
            check(*now);
            QMetaObject::invokeMethod(now, "reject", Qt::QueuedConnection);
        } else if (++waited == 40) {
            qWarning() << "hidden, as reject did not close it:" << now;
            now->hide();
        }
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

QString NameOf(const QWidget& w) {
    return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                    : w.objectName();
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
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            Road road{p, w};
            QVERIFY(road.Channel().IsOpen());
            // The main window, the simulator and the roll-paper print image.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible())
                    check(*top, "at start");
            for (const CommandWindow& row : kCommandWindows) {
                qInfo() << row.what;
                RunAndCheck(
                    w, [&] { w.OnCommand(row.command); }, [&](QWidget& d) { check(d, row.what); });
            }
            // The channel list, once no channel is open.
            w.OnCommand(cmd::kEndMeasurement);
            RunAndCheck(
                w, [&] { w.OnCommand(cmd::kSelectCondition); },
                [&](QWidget& d) { check(d, "channel list"); });
        },
        {"-siml=1", "-printer=siml"}));
    qInfo().noquote() << "opened:" << opened.join(", ");
    if (!cut.isEmpty())
        QFAIL(qPrintable("texts cut:\n" + cut.join('\n')));
}

}  // namespace klv

QTEST_MAIN(klv::ClippedTextTest)
#include "clipped_text_test.moc"
