#include <QScreen>
#include <QtTest>

#include "app/settings_keys.h"
#include "app/ui/measurement_road.h"
#include "app/ui/roll_paper_link.h"
#include "base/window_placement.h"
#include "output/ui/line_printer_simulate.h"

namespace klv {

using namespace test;

// Run on a 1024 x 768 and on a 1920 x 1080 screen (two registrations).
class FirstPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void printImageAndSimulatorKeepOffTheMainWindow();
};

namespace {

int OverlapWidth(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width();
}

}  // namespace

void FirstPlacementTest::printImageAndSimulatorKeepOffTheMainWindow() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const bool wide = area.size() == QSize(1920, 1080);
    QVERIFY2(wide || area.size() == QSize(1024, 768), "run on one of the two screens");
    ProgramUnderTest p;
    PrepareChannel(p, 0, CopperCondition(), true);
    // No placement stored; the main window shown normal, as without a window manager.
    QVERIFY(ProfileFile(p.dir.File("KLV570.ini"))
                .WriteProfileInt(ini::kMeasurement, ini::kWinShow, kShowNormal));
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            const QWidget* image = w.RollPaper().SimulationWindow();
            const QWidget* simulator = w.Device().SimulationWindow();
            QVERIFY(image != nullptr && simulator != nullptr);
            const QRect main = w.frameGeometry();
            const QRect strip = image->frameGeometry();
            for (const QRect& r : {main, strip, simulator->frameGeometry()})
                QVERIFY2(area.contains(r), qPrintable(QString("%1,%2 %3x%4 off the screen")
                                                          .arg(r.x())
                                                          .arg(r.y())
                                                          .arg(r.width())
                                                          .arg(r.height())));
            if (wide) {
                QVERIFY(!main.intersects(strip));
                QVERIFY(!simulator->frameGeometry().intersects(main));
                QVERIFY(!simulator->frameGeometry().intersects(strip));
                // Centred together rather than pushed to one side.
                QVERIFY(std::abs((main.left() - area.left()) - (area.right() - strip.right())) <=
                        8);
                return;
            }
            // Too narrow for both: the image covers no more of the window than the screen
            // forces, give or take the frames guessed before the windows had any.
            const int least = main.width() + strip.width() - area.width();
            QVERIFY(least > 0);
            QVERIFY2(
                OverlapWidth(main, strip) <= least + 8,
                qPrintable(
                    QString("overlap %1, least %2").arg(OverlapWidth(main, strip)).arg(least)));
        },
        {"-siml=1", "-printer=siml"}));
}

}  // namespace klv

QTEST_MAIN(klv::FirstPlacementTest)
#include "first_placement_test.moc"
