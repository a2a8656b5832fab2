#include "output/ui/print_report.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "output/ui/page_printer_simulate.h"
#include "output/ui/print_face.h"
#include "output/ui/roll_paper_drawer.h"

namespace klv {

namespace {

// The platform's default page setup: one inch on every side.
constexpr PageMargins kDefaultMargins{1000, 1000, 1000, 1000};

PageDevice DescribePage(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QSizeF portrait = layout.pageSize().size(QPageSize::Millimeter);
    const int dpi = printer.resolution();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    PageDevice d;
    d.dpiX = printer.logicalDpiX();
    d.dpiY = printer.logicalDpiY();
    d.paperWidthTenthMm = qRound(portrait.width() * 10);
    d.paperLengthTenthMm = qRound(portrait.height() * 10);
    d.landscape = layout.orientation() == QPageLayout::Landscape;
    d.offsetX = paint.left() - full.left();
    d.offsetY = paint.top() - full.top();
    return d;
}

// The paper the page print image stands for when no printer was used yet.
constexpr QSizeF kA4Inches{8.268, 11.693};

}  // namespace

QMarginsF CPrintReporter::MarginParts() const {
    QSizeF paper = kA4Inches;
    if (m_printer)
        paper = m_printer->pageLayout().fullRect(QPageLayout::Inch).size();
    const PageMargins& m = m_printer ? m_margins : kDefaultMargins;
    return {m.left / 1000.0 / paper.width(), m.top / 1000.0 / paper.height(),
            m.right / 1000.0 / paper.width(), m.bottom / 1000.0 / paper.height()};
}

CPrintReporter::CPrintReporter(CRollPaperOutput& rollPaper, Operator& op, Clock& clock,
                               ProfileFile* profile)
    : m_rollPaper(rollPaper), m_op(op), m_clock(clock), m_profile(profile) {}

CPrintReporter::~CPrintReporter() = default;

bool CPrintReporter::PrintReport(QWidget* dialog, const PageFunction& pageFunction) {
    if (m_rollPaper.IsSelected())
        return PrintRollPaperBands(dialog, pageFunction);
    if (m_simulation) {
        CPagePrinterSimulate window(m_profile, dialog);
        window.SetPrintFace(ResolvePrintFace(m_pageFont.face));
        window.SetMargins(MarginParts());
        window.Run(dialog, pageFunction, m_clock.Now());
        return true;
    }
    return PrintPages(dialog, pageFunction);
}

bool CPrintReporter::PrintRollPaperBands(QWidget* dialog, const PageFunction& pageFunction) {
    CRollPaperPrinter& printer = m_rollPaper.Printer();
    // Without its printer a report is told at once, before a pending line or feed is lost.
    if (!printer.IsSimulation() && !printer.ProbeRollPaperPrinter(true, true))
        return false;
    if (!m_rollPaper.FlushFiveDataLine(m_channel ? m_channel() : OpenChannelRef{}))
        return false;
    if (m_rollPaper.IsFeedPending() && !m_rollPaper.FeedRollPaper())
        return false;
    PrintPageContext pc;
    pc.font = MakeRollPaperFont(m_rollPaperFont.face, m_rollPaperFont.size, false);
    pc.wideFont = MakeRollPaperFont(m_rollPaperFont.face, m_rollPaperFont.size, true);
    pc.start = m_clock.Now();
    QImage band(kBandWidth, kBandHeight, QImage::Format_RGB32);
    for (pc.page = 1;; ++pc.page) {
        band.fill(Qt::white);
        bool more = false;
        {
            QPainter painter(&band);
            pc.painter = &painter;
            PreparePage(pc);
            pc.rect = {0, 0, kBandWidth, kBandHeight};
            more = pageFunction(dialog, pc);
            pc.painter = nullptr;
        }
        // A band the printer did not take has been told; the report is not printed.
        if (!printer.PrintRasterRows(ToMonoBitmap(band), pc.rect.bottom))
            return false;
        if (!more || pc.end)
            return true;
    }
}

void CPrintReporter::HoldDefaultPrinter() {
    if (m_printer && !m_fileOnly)
        return;
    // Still without a printer, the PDF setup is kept with the file name chosen last.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (m_printer && info.isNull())
        return;
    if (info.isNull()) {
        // A lab without a printer still files its reports: the dialog offers the PDF file.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    m_fileOnly = info.isNull();
    m_margins = kDefaultMargins;
}

bool CPrintReporter::PrintPages(QWidget* dialog, const PageFunction& pageFunction) {
    HoldDefaultPrinter();
    QPrinter& printer = *m_printer;
    {
        QPrintDialog print(&printer, dialog);
        print.setOption(QAbstractPrintDialog::PrintSelection, false);
        print.setOption(QAbstractPrintDialog::PrintPageRange, false);
        print.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (print.exec() != QDialog::Accepted)
            return false;
    }
    printer.setDocName(QString::fromLatin1(kPrintDocumentName));
    const PrintRect area = GetPrintableRect(DescribePage(printer), m_margins);
    PrintPageContext pc;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_op.ShowMessage(kMsgPagePrinterUnusable, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    const int dpiY = printer.logicalDpiY();
    pc.font = QFont(ResolvePrintFace(m_pageFont.face));
    pc.font.setPixelSize(std::max(1, -PagePrinterFontHeight(m_pageFont.size, dpiY)));
    pc.wideFont = MakeWideFont(pc.font);
    pc.start = m_clock.Now();
    pc.painter = &painter;
    bool pagesTaken = true;
    for (pc.page = 1;; ++pc.page) {
        painter.setClipRect(
            QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)));
        PreparePage(pc);
        pc.rect = area;
        if (!pageFunction(dialog, pc))
            break;
        if (!printer.newPage()) {
            pagesTaken = false;
            break;
        }
    }
    // A page or a document the printer refused leaves the report unprinted, and says so.
    if (!painter.end() || !pagesTaken) {
        m_op.ShowMessage(kMsgPagePrinterUnusable, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace klv
