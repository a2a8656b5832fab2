#include <QScopeGuard>
#include <QTableView>
#include <QtTest>

#include "app/command_ids.h"
#include "app/system_flags.h"
#include "app/ui/measurement_road.h"
#include "app/ui/roll_paper_link.h"
#include "output/roll_paper_lines.h"
#include "output/ui/roll_paper_drawer.h"
#include "reference/coating_table.h"
#include "results/measurement_log.h"
#include "stats/statistics_mode.h"
#include "stats/ui/statistics_window.h"

namespace klv {

using namespace test;

// Measurements printed on the roll-paper print image of print simulation.
class PrinterRoadTest : public QObject {
    Q_OBJECT

private slots:
    void layersAppearInThePrintImageAsTheyAreMeasured();
    void fiveDataLineIsPrintedWhenTheChannelCloses();
    void cancellationAndModeChangePrintThePendingValuesFirst();
    void statisticsDeletionPrintsThePendingValuesFirst();
    void missingRollPaperPrinterIsToldAtStartUp();
    void printerSetAcceptsTheRollPaperPrinterUnderPrintSimulation();
};

namespace {

void RunPrinterRoad(const MeasFileData& d, int mode, const std::vector<std::string>& args,
                    const std::function<void(Road&)>& body) {
    ProgramUnderTest p;
    PrepareChannel(p, 0, d, true);
    ProfileFile ini(p.dir.File("KLV570.ini"));
    QVERIFY(ini.WriteProfileInt("General", "SystemFlags", 1281 | int(kFlagRollPaperPrinter)));
    QVERIFY(ini.WriteProfileInt("LinePrinter", "MeasDataPrint", mode));
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            Road road{p, w};
            body(road);
        },
        args));
}

// The strip's bottom rows hold what the program's drawer makes of `line`.
bool EndsWithLine(CRollPaperLink& link, const std::string& line, int linesAbove = 0) {
    CQtRollPaperDrawer drawer = link.Drawer();
    const auto cell = drawer.CharacterCell();
    const int width = RoundUpToRasterWidth(static_cast<int>(line.size()) * cell.width);
    const QImage expected = ToImage(drawer.DrawLine(line, width, cell.height), cell.height);
    const QImage& strip = link.SimulationWindow()->Strip();
    const int top = strip.height() - cell.height * (linesAbove + 1);
    return strip.copy(0, top, width, cell.height) == expected;
}

std::vector<std::string> LinesOf(Road& road, int layer) {
    const MeasFileData& d = *road.Channel().Condition();
    std::vector<MsrLogRecord> r(GetCoatCount(d));
    const std::uint32_t first = (d.nItemCt - 1) / r.size() * r.size();
    for (int k = 0; k <= layer; ++k)
        r[k] = road.Record(first + k);
    return MakeMeasurementLines(d, r, layer);
}

}  // namespace

void PrinterRoadTest::layersAppearInThePrintImageAsTheyAreMeasured() {
    const MeasFileData d =
        DemoCondition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")}, "Ni Cu");
    RunPrinterRoad(d, kPrintFiveDataPerLine, {"-siml=1", "-printer=siml"}, [&](Road& road) {
        CRollPaperLink& link = road.w.RollPaper();
        QVERIFY(link.SimulationWindow() != nullptr);
        QVERIFY(link.SimulationWindow()->isVisible());
        QCOMPARE(link.SimulationWindow()->width(), 576);
        std::uint32_t count = 0;
        road.MeasureLayer(count);
        const std::vector<std::string> first = LinesOf(road, 0);
        QCOMPARE(first.size(), std::size_t{1});
        QVERIFY(first[0].rfind("   1-1 Ni", 0) == 0);
        QVERIFY(EndsWithLine(link, first[0]));
        road.MeasureLayer(count);
        const std::vector<std::string> second = LinesOf(road, 1);
        QVERIFY(second[0].rfind("   1-2 Cu", 0) == 0);
        QVERIFY(EndsWithLine(link, second[0]));
        QVERIFY(EndsWithLine(link, first[0], 1));
        road.p.op.Answer(IDYES);
        road.w.OnCommand(cmd::kCancelLastData);
        QVERIFY(EndsWithLine(link, FormatCancellationLine(1)));
        if (const char* shots = std::getenv("KLV_SHOT_DIR"))
            link.SimulationWindow()->grab().save(QString::fromLocal8Bit(shots) + "/line_print.png");
    });
}

void PrinterRoadTest::fiveDataLineIsPrintedWhenTheChannelCloses() {
    const MeasFileData d = CopperCondition();
    RunPrinterRoad(d, kPrintFiveDataPerLine, {"-siml=1", "-printer=siml"}, [&](Road& road) {
        CRollPaperLink& link = road.w.RollPaper();
        const QImage blank = link.SimulationWindow()->Strip();
        std::uint32_t count = 0;
        for (int m = 0; m < 3; ++m)
            road.MeasureLayer(count);
        QCOMPARE(link.Output().PendingCount(), 3);
        QCOMPARE(link.SimulationWindow()->Strip(), blank);
        const MeasFileData open = *road.Channel().Condition();
        std::vector<std::string> values;
        for (std::uint32_t n = 0; n < 3; ++n) {
            const MsrLogRecord r = road.Record(n);
            values.push_back(GetFirstValueText(open, std::span<const MsrLogRecord>(&r, 1)));
        }
        road.w.OnCommand(cmd::kEndMeasurement);
        QVERIFY(!road.Channel().IsOpen());
        QVERIFY(EndsWithLine(link, MakeFiveDataLine(open, 1, values)));
    });
}

void PrinterRoadTest::cancellationAndModeChangePrintThePendingValuesFirst() {
    RunPrinterRoad(CopperCondition(), kPrintFiveDataPerLine, {"-siml=1", "-printer=siml"},
                   [&](Road& road) {
                       CRollPaperLink& link = road.w.RollPaper();
                       std::uint32_t count = 0;
                       for (int m = 0; m < 3; ++m)
                           road.MeasureLayer(count);
                       const MeasFileData open = *road.Channel().Condition();
                       auto valueOf = [&](std::uint32_t n) {
                           const MsrLogRecord r = road.Record(n);
                           return GetFirstValueText(open, std::span<const MsrLogRecord>(&r, 1));
                       };
                       const std::vector<std::string> three = {valueOf(0), valueOf(1), valueOf(2)};
                       road.p.op.Answer(IDYES);
                       road.w.OnCommand(cmd::kCancelLastData);
                       QCOMPARE(road.Channel().Condition()->nItemCt, 2u);
                       QVERIFY(EndsWithLine(link, FormatCancellationLine(3)));
                       QVERIFY(EndsWithLine(link, MakeFiveDataLine(open, 1, three), 1));

                       road.MeasureLayer(count);
                       QCOMPARE(link.Output().PendingCount(), 1);
                       const std::string fourth = valueOf(2);
                       ModalDriver modal;
                       modal.When(QStringLiteral("CPrinterSetup"), [](QWidget& d) {
                           Press(d, "ctl1224");
                           Press(d, "okButton");
                       });
                       road.w.OnCommand(cmd::kPrinterSet);
                       QCOMPARE(link.Output().PendingCount(), 0);
                       QCOMPARE(link.Output().Mode(), kPrintOneDataPerLine);
                       QVERIFY(EndsWithLine(link, MakeFiveDataLine(open, 3, {fourth})));
                   });
}

void PrinterRoadTest::statisticsDeletionPrintsThePendingValuesFirst() {
    MeasFileData d = CopperCondition();
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = kStatModeN;
    d.nStatTotal = 50;
    RunPrinterRoad(d, kPrintFiveDataPerLine, {"-siml=1", "-printer=siml"}, [&](Road& road) {
        CRollPaperLink& link = road.w.RollPaper();
        std::uint32_t count = 0;
        for (int m = 0; m < 3; ++m)
            road.MeasureLayer(count);
        const MeasFileData open = *road.Channel().Condition();
        std::vector<std::string> three;
        for (std::uint32_t n = 0; n < 3; ++n) {
            const MsrLogRecord r = road.Record(n);
            three.push_back(GetFirstValueText(open, std::span<const MsrLogRecord>(&r, 1)));
        }
        road.p.app.Calibration().dwFlags |= kStoreStatDataModifiable;
        ModalDriver modal;
        modal.When("CStatistics", [](QWidget& window) {
            const auto close = qScopeGuard([&window] { Click(window, "closeButton"); });
            QVERIFY(static_cast<CStatistics&>(window).ActivatePage(kPageMeasData));
            Find<QTableView>(window, "measDataList")->selectRow(0);
            Click(window, "delete");
        });
        road.w.OnCommand(cmd::kTemporaryStatistics);
        QCOMPARE(road.Channel().Condition()->nItemCt, 2u);
        QCOMPARE(link.Output().PendingCount(), 0);
        // Numbered and valued as they were measured, not as the log holds them now.
        QVERIFY(EndsWithLine(link, MakeFiveDataLine(open, 1, three)));
    });
}

void PrinterRoadTest::missingRollPaperPrinterIsToldAtStartUp() {
    RunPrinterRoad(CopperCondition(), kPrintOneDataPerLine, {"-siml=1"}, [&](Road& road) {
        QVERIFY(road.w.RollPaper().SimulationWindow() == nullptr);
        const auto texts = road.p.op.Texts();
        QCOMPARE(std::count(texts.begin(), texts.end(), "Roll-paper type printer can't be used."),
                 1);
    });
}

void PrinterRoadTest::printerSetAcceptsTheRollPaperPrinterUnderPrintSimulation() {
    ProgramUnderTest p;
    PrepareChannel(p, 0, CopperCondition(), true);
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            QVERIFY(IsCommandEnabled(cmd::kPrinterSet, w.State()));
            ModalDriver modal;
            modal.When(QStringLiteral("CPrinterSetup"), [](QWidget& d) {
                Press(d, "ctl1201");
                Press(d, "ctl1226");
                Press(d, "okButton");
            });
            w.OnCommand(cmd::kPrinterSet);
            QVERIFY((p.app.SystemFlags() & kFlagRollPaperPrinter) != 0);
            QCOMPARE(p.app.MeasDataPrint(), kPrintAtStatistics);
            QVERIFY(w.RollPaper().Output().IsSelected());
            QVERIFY(p.op.Texts().empty());
            ProfileFile ini(p.dir.File("KLV570.ini"));
            QCOMPARE(ini.GetProfileInt("LinePrinter", "MeasDataPrint", 0), kPrintAtStatistics);
            QCOMPARE(ini.GetProfileInt("General", "SystemFlags", 0) & int(kFlagRollPaperPrinter),
                     int(kFlagRollPaperPrinter));
        },
        {"-siml=1", "-printer=siml"}));
}

}  // namespace klv

QTEST_MAIN(klv::PrinterRoadTest)
#include "printer_road_test.moc"
