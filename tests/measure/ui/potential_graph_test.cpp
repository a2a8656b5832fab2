#include "measure/ui/potential_graph.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QToolButton>

#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

using klv::test::Find;

namespace {

struct GraphRig {
    klv::test::SettableClock clock;
    klv::test::ScriptedOperator op;
    klv::CPotentialTrace trace{clock};

    // `count` samples rising from −35 mV to 241 mV.
    void Fill(int count) {
        klv::GraFile f;
        f.header = klv::MakeGraHeader();
        f.header.condition = klv::ToCalibrationCondition(
            klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")}));
        f.header.lInterval = 100;
        f.header.lMinimum = -35;
        f.header.lMaximum = 241;
        for (int i = 0; i < count; ++i)
            f.samples.push_back(-35 + 276 * i / std::max(count - 1, 1));
        trace.Replace(std::move(f));
    }
    std::string fileName;
    klv::PotentialGraphSeams Seams(klv::ReportPrinter* printer = nullptr) {
        return {trace,
                op,
                printer,
                {},
                [this] { return fileName; },
                [this](const std::string& path) { fileName = path; },
                {}};
    }
};

// Prints onto a picture, page by page.
class PicturePrinter final : public klv::ReportPrinter {
public:
    bool PrintReport(QWidget* dialog, const klv::PageFunction& page) override {
        QImage image(800, 1100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        klv::PrintPageContext pc;
        pc.painter = &p;
        pc.rect = {20, 20, 780, 1080};
        pc.charHeight = p.fontMetrics().height();
        pc.charWidth = p.fontMetrics().horizontalAdvance('X');
        while (page(dialog, pc))
            ++pages;
        ++pages;
        lastTop = pc.rect.top;
        return true;
    }
    void FeedRollPaper() override {}
    int pages = 0;
    int lastTop = 0;
};

void ChooseFile(klv::test::ModalDriver& modal, const std::string& path) {
    modal.When("fileDialog", [path](QWidget& w) {
        auto& files = static_cast<QFileDialog&>(w);
        klv::test::AnswerFileDialog(files, QString::fromStdString(path));
    });
}

}  // namespace

class PotentialGraphTest : public QObject {
    Q_OBJECT

private slots:
    void pixelCountScaleAndCursorsFollowTheTimePerPixel();
    void keysAndClicksPlaceCursorsAndLimits();
    void noticesDisableAndEnableTheFileButtons();
    void copyPutsAPictureOnTheClipboard();
    void saveAndOpenRestoreTheTraceAndTheView();
    void printDrawsTheReadoutsAndThePlot();
};

void PotentialGraphTest::pixelCountScaleAndCursorsFollowTheTimePerPixel() {
    GraphRig rig;
    rig.Fill(200);
    klv::PotentialGraphSettings s;
    s.timePerPixel = 400;
    s.fullScale = 123;  // not in the list: "AUTO"
    klv::CPotentialGraph graph(rig.Seams(), s);
    graph.resize(760, 560);
    graph.show();
    QCOMPARE(graph.PixelCountNow(), 50);
    QCOMPARE(graph.Limits().lower, -40);
    QCOMPARE(graph.Limits().upper, 260);
    QCOMPARE(Find<QComboBox>(graph, "fullScale")->currentText(), QString("AUTO"));
    graph.PlaceCursor(0, 10);
    graph.PlaceCursor(1, 60);  // beyond the data: refused
    QCOMPARE(graph.Cursors()[1], -1);
    graph.SetTimePerPixel(100);
    QCOMPARE(graph.PixelCountNow(), 200);
    QCOMPARE(graph.Cursors()[0], 40);
    QVERIFY(graph.ReadoutLine(0).startsWith("V1  "));
    QCOMPARE(graph.ReadoutLine(1), QString("V2"));
    graph.SetFullScale(1000);
    QCOMPARE(graph.Limits().upper, 1000);
    QCOMPARE(graph.Settings().timePerPixel, 100);
}

void PotentialGraphTest::keysAndClicksPlaceCursorsAndLimits() {
    GraphRig rig;
    rig.Fill(2000);
    klv::PotentialGraphSettings s;
    s.timePerPixel = 100;
    klv::CPotentialGraph graph(rig.Seams(), s);
    graph.resize(760, 560);
    graph.show();
    graph.SetFollow(false);
    const QRect plot = graph.PlotRectangle();
    QTest::keyPress(&graph, Qt::Key_3);
    graph.ClickPlot(plot.topLeft() + QPoint(25, 10));
    QCOMPARE(graph.Cursors()[2], graph.ScrollPosition() + 25);
    QTest::keyPress(&graph, Qt::Key_Right);
    QCOMPARE(graph.Cursors()[2], graph.ScrollPosition() + 26);
    QTest::keyRelease(&graph, Qt::Key_Right);
    QTest::keyRelease(&graph, Qt::Key_3);
    QTest::keyPress(&graph, Qt::Key_Up);
    graph.ClickPlot(QPoint(plot.left() + 5, plot.top() + plot.height() / 2));
    QVERIFY(graph.HasManualLimits());
    QVERIFY(graph.Limits().upper < 260);
    QTest::keyRelease(&graph, Qt::Key_Up);
    graph.ReleaseManualLimits();
    QVERIFY(!graph.HasManualLimits());
    QCOMPARE(graph.Limits().upper, 260);
}

void PotentialGraphTest::noticesDisableAndEnableTheFileButtons() {
    GraphRig rig;
    klv::CPotentialGraph graph(rig.Seams(), {});
    QCOMPARE(rig.trace.Graph(), &graph);
    const klv::MeasFileData d = klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Ni")});
    rig.trace.PrepareLayer(d, 0, 0, true);
    for (const char* name : {"colors", "save", "open", "print"})
        QVERIFY(!Find<QToolButton>(graph, name)->isEnabled());
    QVERIFY(Find<QToolButton>(graph, "copy")->isEnabled());
    klv::PollingData poll;
    poll.status.SetFlags(klv::kStatusRunning);
    poll.status.SetAd976(3277);  // 1000 mV
    rig.trace.AddSample(poll);
    rig.clock.Advance(300);
    rig.trace.AddSample(poll);
    QCoreApplication::sendPostedEvents(&graph);
    QCOMPARE(graph.PixelCountNow(), 2);
    QCOMPARE(graph.Limits().lower, 1000);
    QCOMPARE(graph.Limits().upper, 1020);
    rig.trace.EndLayer();
    for (const char* name : {"colors", "save", "open"})
        QVERIFY(Find<QToolButton>(graph, name)->isEnabled());
    // Without a printer the print button stays off.
    QVERIFY(!Find<QToolButton>(graph, "print")->isEnabled());
}

void PotentialGraphTest::copyPutsAPictureOnTheClipboard() {
    GraphRig rig;
    rig.Fill(500);
    klv::CPotentialGraph graph(rig.Seams(), {});
    graph.resize(760, 560);
    graph.show();
    QVERIFY(graph.Copy());
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), graph.RenderSize());
    QVERIFY(rig.op.Texts().empty());
}

void PotentialGraphTest::saveAndOpenRestoreTheTraceAndTheView() {
    klv::test::TempDir dir;
    // Written before the first chooser lists the folder.
    klv::test::WriteTestFile(dir.File("bad.gra"), std::string(380, 'x'));
    GraphRig rig;
    rig.Fill(300);
    klv::PotentialGraphSettings s;
    s.fullScale = 5000;
    s.timePerPixel = 400;
    klv::CPotentialGraph graph(rig.Seams(), s);
    graph.resize(760, 560);
    graph.show();
    graph.PlaceCursor(0, 5);
    klv::test::ModalDriver modal;
    ChooseFile(modal, dir.File("trace.gra"));
    QVERIFY(graph.Save());
    QCOMPARE(rig.fileName, dir.File("trace.gra"));

    // A fresh layer empties the trace; the file brings it back with its view.
    rig.trace.PrepareLayer(klv::test::Condition({klv::test::Layer(klv::kCoatNickel, "Cu")}), 0, 0,
                           true);
    graph.SetFullScale(0);
    graph.SetTimePerPixel(100);
    QCOMPARE(graph.PixelCountNow(), 0);
    ChooseFile(modal, dir.File("trace.gra"));
    QVERIFY(graph.Open());
    QCOMPARE(rig.trace.Count(), 300);
    QCOMPARE(graph.Settings().fullScale, 5000);
    QCOMPARE(graph.Settings().timePerPixel, 400);
    QCOMPARE(graph.Limits().upper, 5000);
    QCOMPARE(graph.PixelCountNow(), 75);
    QCOMPARE(graph.Cursors()[0], -1);
    QVERIFY(!graph.Follows());
    QCOMPARE(graph.ScrollPosition(), 0);
    QCOMPARE(Find<QLabel>(graph, "title")->text(), QString("Ni/Fe"));
    QVERIFY(Find<QToolButton>(graph, "save")->isEnabled());

    // A damaged file is refused and the trace stays. (The chooser starts on the remembered
    // name and selects it once it has listed the folder, so the test names it first.)
    rig.fileName = dir.File("bad.gra");
    ChooseFile(modal, dir.File("bad.gra"));
    const bool opened = graph.Open();
    QCOMPARE(rig.fileName, dir.File("bad.gra"));
    QVERIFY(!opened);
    QCOMPARE(rig.op.Texts(),
             std::vector<std::string>{"Data can't be read, or some error in the data."});
    QCOMPARE(rig.trace.Count(), 300);
}

void PotentialGraphTest::printDrawsTheReadoutsAndThePlot() {
    GraphRig rig;
    rig.Fill(400);
    PicturePrinter printer;
    klv::CPotentialGraph graph(rig.Seams(&printer), {});
    graph.resize(760, 560);
    graph.show();
    QVERIFY(Find<QToolButton>(graph, "print")->isEnabled());
    QVERIFY(graph.Print());
    QCOMPARE(printer.pages, 1);
    // Below the title, the two headings and ten readout lines comes the plot.
    QVERIFY(printer.lastTop > 20 + 14 * QFontMetrics(graph.font()).height());
}

QTEST_MAIN(PotentialGraphTest)
#include "potential_graph_test.moc"
