#include "output/ui/print_report.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

#include "output/file_printer_queue.h"
#include "output/recording_drawer.h"
#include "output/ui/line_printer_simulate.h"
#include "output/ui/page_printer_simulate.h"
#include "output/ui/roll_paper_drawer.h"
#include "reference/condition_store.h"
#include "support/private_cupsd.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "support/ui/modal_driver.h"
#include "support/ui/pdf_text.h"

namespace klv {

using namespace test;

class PrintReportTest : public QObject {
    Q_OBJECT

private slots:
    void pagesPrintedToPdfReadBackWhereTheyWereDrawn();
    void withoutPrinterTheDialogFilesThePdf();
    void pageReportsPrintInAFixedPitchFace();
    void rollPaperReportsGoInBandsAfterTheFeed();
    void rollPaperFailuresAreToldAndNotPrinted();
    void printImageWindowShowsPageAfterPage();
    void rollPaperImageOpensBesideItsOwner();
};

namespace {

// Title with date and page, then one line naming the page; two pages.
bool TwoPages(QWidget*, PrintPageContext& pc) {
    PrintTitleLine(pc, "Statistics report", false, true, true);
    pc.painter->drawText(pc.rect.left, pc.rect.top + pc.charHeight,
                         QStringLiteral("Body of page %1").arg(pc.page));
    pc.rect.bottom = pc.rect.top + 2 * pc.charHeight;
    return pc.page < 2;
}

// The file sink, refusing every write once told to, as a queue that stops taking data does.
class RefusingQueue final : public RawPrinterQueue {
public:
    explicit RefusingQueue(RawPrinterQueue& files) : m_files(files) {}
    bool Open(const std::string& name) override { return m_files.Open(name); }
    bool StartDocument(const std::string& name) override { return m_files.StartDocument(name); }
    bool Write(std::span<const std::uint8_t> bytes) override {
        return !refuse && m_files.Write(bytes);
    }
    bool EndDocument() override { return m_files.EndDocument(); }
    void Close() override { m_files.Close(); }
    bool refuse = false;

private:
    RawPrinterQueue& m_files;
};

struct Reporter {
    TempDir dir;
    ScriptedOperator op;
    SettableClock clock;
    ConditionStore store{dir.Path(), op};
    CFilePrinterQueue files{dir.Path()};
    RefusingQueue queue{files};
    CRollPaperPrinter printer{queue, op};
    CQtRollPaperDrawer drawer;
    CRollPaperOutput rollPaper{printer, drawer, store};
    CPrintReporter reporter{rollPaper, op, clock, nullptr};

    Reporter() { clock.SetNow({2026, 3, 4, 9, 5, 0, 0, 3}); }
};

// The operator files the report as a PDF from the print dialog; `shown` gets the printer the
// dialog offered first.
void FileAsPdf(ModalDriver& modal, const QString& pdf, QString* shown = nullptr) {
    modal.When(QStringLiteral("QPrintDialog"), [=](QWidget& d) {
        auto* printers = d.findChild<QComboBox*>(QStringLiteral("printers"));
        QVERIFY(printers != nullptr);
        if (shown != nullptr)
            *shown = printers->currentText();
        const int file = printers->findText(QStringLiteral("Print to File (PDF)"));
        QVERIFY(file >= 0);
        printers->setCurrentIndex(file);
        auto* name = d.findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY(name != nullptr);
        name->setText(pdf);
        static_cast<QDialog&>(d).accept();
    });
}

}  // namespace

void PrintReportTest::pagesPrintedToPdfReadBackWhereTheyWereDrawn() {
    PrivateCupsd cupsd;
    QCOMPARE(QString::fromStdString(cupsd.Error()), QString());
    cupsd.AddQueue("Office_A4", "Office A4");
    QVERIFY(cupsd.SetDefault("Office_A4"));
    Reporter r;
    const QString pdf = QString::fromStdString(r.dir.File("report.pdf"));
    ModalDriver modal;
    // The lab's delivery-note copy: the dialog's own "Print to File (PDF)".
    FileAsPdf(modal, pdf);
    QVERIFY(r.reporter.PrintReport(nullptr, TwoPages));
    QVERIFY(r.reporter.PagePrinter() != nullptr);
    QCOMPARE(PdfPages(pdf), 2);
    const QSizeF paper = r.reporter.PagePrinter()->pageLayout().fullRect(QPageLayout::Point).size();
    for (int page = 1; page <= 2; ++page) {
        const std::vector<PdfWord> words = PdfWords(pdf, page);
        QStringList texts;
        for (const PdfWord& w : words)
            texts << w.text;
        QCOMPARE(texts,
                 (QStringList{"Statistics", "report", "Body", "of", "page", QString::number(page),
                              "2026/", "3/", "4", "09:05", "P", QString::number(page)}));
        // The title one inch from the left edge, its right-hand text ending one inch from the
        // right edge on the same line, the page's own line below it.
        const PdfWord& title = words.front();
        const PdfWord& number = words.back();
        QVERIFY(qAbs(title.box.left() - 72.0) < 1.0);
        QVERIFY(qAbs(number.box.right() - (paper.width() - 72.0)) < 3.0);
        QVERIFY(qAbs(number.box.top() - title.box.top()) < 2.0);
        QVERIFY(qAbs(title.box.top() - 72.0) < 6.0);
        QVERIFY(words[2].box.top() > title.box.top() + 10.0);
        QVERIFY(qAbs(words[2].box.left() - 72.0) < 1.0);
    }
    QVERIFY(r.op.Texts().empty());
}

void PrintReportTest::withoutPrinterTheDialogFilesThePdf() {
    Reporter r;
    const QString pdf = QString::fromStdString(r.dir.File("filed.pdf"));
    ModalDriver modal;
    QString offered;
    FileAsPdf(modal, pdf, &offered);
    QVERIFY(r.reporter.PrintReport(nullptr, TwoPages));
    QCOMPARE(offered, QStringLiteral("Print to File (PDF)"));
    QCOMPARE(PdfPages(pdf), 2);
    QVERIFY(r.op.Texts().empty());
    // Cancelled, nothing is printed and nothing is said.
    modal.When(QStringLiteral("QPrintDialog"),
               [](QWidget& d) { static_cast<QDialog&>(d).reject(); });
    QVERIFY(!r.reporter.PrintReport(nullptr, TwoPages));
    QVERIFY(r.op.Texts().empty());
}

void PrintReportTest::pageReportsPrintInAFixedPitchFace() {
    Reporter r;
    // The stored default names a proportional face (or one that is not installed).
    r.reporter.SetPageFont({QStringLiteral("Times New Roman"), 120});
    const QString pdf = QString::fromStdString(r.dir.File("column.pdf"));
    ModalDriver modal;
    FileAsPdf(modal, pdf);
    QVERIFY(r.reporter.PrintReport(nullptr, [](QWidget*, PrintPageContext& pc) {
        // A column of numbers padded with blanks, as every report lays out its values.
        int y = pc.rect.top;
        for (const char* cell : {"   5.9", "  12.5", "1234.5"}) {
            pc.painter->drawText(pc.rect.left, y + pc.charHeight, QString::fromLatin1(cell));
            y += pc.charHeight;
        }
        return false;
    }));
    const std::vector<PdfWord> words = PdfWords(pdf, 1);
    QCOMPARE(words.size(), std::size_t{3});
    // The decimal points stand one above the other.
    for (const PdfWord& w : words)
        QVERIFY2(qAbs(DecimalPoint(w) - DecimalPoint(words[0])) < 0.3, qPrintable(w.text));
}

void PrintReportTest::rollPaperReportsGoInBandsAfterTheFeed() {
    Reporter r;
    WriteTestFile(r.dir.File("CT-S300_Partial_Cut"), "");
    r.rollPaper.SetSelected(true);
    QVERIFY(r.rollPaper.PrintRollPaperLine("   1   Ni      5.00 um"));
    std::vector<int> bottoms;
    QVERIFY(r.reporter.PrintReport(nullptr, [&](QWidget* w, PrintPageContext& pc) -> bool {
        if (pc.rect.right != 576)
            return false;
        const bool more = TwoPages(w, pc);
        bottoms.push_back(pc.rect.bottom);
        return more;
    }));
    QVERIFY(!r.rollPaper.IsFeedPending());
    QCOMPARE(bottoms.size(), std::size_t{2});
    const DecodedRows rows = DecodeRasterRecords(ReadTestFile(r.dir.File("CT-S300_Partial_Cut")));
    QVERIFY(rows.ok);
    const int lineHeight = r.drawer.CharacterCell().height;
    QCOMPARE(int(rows.rows.size()), 2 * lineHeight + bottoms[0] + bottoms[1]);
    QCOMPARE(r.files.Documents(), 4);
    // The band rows carry the 576-dot width.
    QCOMPARE(rows.rows.back().size(), std::size_t{72});
}

void PrintReportTest::rollPaperFailuresAreToldAndNotPrinted() {
    Reporter r;
    r.rollPaper.SetSelected(true);
    int bands = 0;
    auto band = [&](QWidget* w, PrintPageContext& pc) {
        ++bands;
        r.queue.refuse = true;
        return TwoPages(w, pc);
    };
    // A line went out before the printer was there, so a feed is pending.
    QVERIFY(!r.rollPaper.PrintRollPaperLine("   1   Ni      5.00 um"));
    QVERIFY(r.rollPaper.IsFeedPending());
    r.op.Clear();
    QVERIFY(!r.reporter.PrintReport(nullptr, band));
    QCOMPARE(r.op.Texts(), std::vector<std::string>{"Roll-paper type printer can't be used."});
    QCOMPARE(bands, 0);
    // The printer stops taking data in the first band: the second is not drawn.
    WriteTestFile(r.dir.File("CT-S300_Partial_Cut"), "");
    r.op.Clear();
    QVERIFY(!r.reporter.PrintReport(nullptr, band));
    QCOMPARE(r.op.Texts(), std::vector<std::string>{"Roll-paper type printer can't be used."});
    QCOMPARE(bands, 1);
}

void PrintReportTest::printImageWindowShowsPageAfterPage() {
    Reporter r;
    r.reporter.SetPrintSimulation(true);
    QList<int> shown;
    QImage firstPage;
    QTimer turner;
    // The operator closes each page as soon as it is on screen.
    connect(&turner, &QTimer::timeout, [&] {
        auto* window = qobject_cast<CPagePrinterSimulate*>(QApplication::activeModalWidget());
        if (window == nullptr || window->PageNumber() == 0 || shown.contains(window->PageNumber()))
            return;
        shown << window->PageNumber();
        if (shown.size() == 1) {
            firstPage = window->Page();
            if (const char* shots = std::getenv("KLV_SHOT_DIR"))
                window->grab().save(QString::fromLocal8Bit(shots) + "/page_print.png");
        }
        window->close();
    });
    turner.start(20);
    QVERIFY(r.reporter.PrintReport(nullptr, TwoPages));
    QCOMPARE(shown, (QList<int>{1, 2}));
    // The ink keeps the one-inch margins of an A4 page, as the printer would.
    QRect ink;
    for (int y = 0; y < firstPage.height(); ++y)
        for (int x = 0; x < firstPage.width(); ++x)
            if (firstPage.pixelColor(x, y) != Qt::white)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    const double left = firstPage.width() / 8.268;
    QVERIFY2(ink.left() >= left - 1 && ink.left() < left + 4,
             qPrintable(QString::number(ink.left())));
    QVERIFY(ink.top() >= firstPage.height() / 11.693 - 1);
    QVERIFY(ink.right() <= firstPage.width() - left + 1);
    QVERIFY(ink.right() > firstPage.width() - left - 4);
}

void PrintReportTest::rollPaperImageOpensBesideItsOwner() {
    // Without a stored place: beside the main window where the screen has room, over it
    // only where it has none.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int room = area.width() - CLinePrinterSimulate::kStripWidth;
    QWidget owner;
    owner.setGeometry(area.right() + 1 - room / 2, area.top() + 40, room / 2, 200);
    owner.show();
    {
        CLinePrinterSimulate strip(nullptr, &owner);
        strip.Open();
        QVERIFY(!strip.frameGeometry().intersects(owner.frameGeometry()));
        QVERIFY(area.contains(strip.geometry()));
    }
    owner.setGeometry(area.left() + room / 2, area.top(), area.width() - room, 200);
    CLinePrinterSimulate strip(nullptr, &owner);
    strip.Open();
    // No room: at the screen's right edge, give or take a frame the platform adds.
    QVERIFY(std::abs(strip.geometry().right() - area.right()) <= 4);
}

}  // namespace klv

QTEST_MAIN(klv::PrintReportTest)
#include "print_report_test.moc"
