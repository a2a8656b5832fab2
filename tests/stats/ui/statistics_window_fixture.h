#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QtTest>
#include <string>
#include <vector>

#include "base/ui/print_page_context.h"
#include "reference/condition_store.h"
#include "stats/stats_test_support.h"
#include "stats/ui/statistics_links.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "support/ui/pdf_text.h"

namespace klv {

// Prints every page into one PDF through QPrinter, as the page printer does, or every
// roll-paper band as a page of its own (576 x 800 dots at 72 per inch, so a dot is a point).
class PdfReportPrinter final : public ReportPrinter {
public:
    explicit PdfReportPrinter(QString path) : m_path(std::move(path)) {}
    bool PrintReport(QWidget* dialog, const PageFunction& pageFunction) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_path);
        if (rollPaper) {
            printer.setFullPage(true);
            printer.setPageSize(QPageSize(QSizeF(576, 800), QPageSize::Point));
            printer.setPageMargins(QMarginsF(0, 0, 0, 0));
            printer.setResolution(72);
        }
        printer.setPageOrientation(orientation);
        QPainter painter(&printer);
        PrintPageContext pc;
        pc.painter = &painter;
        pc.font = QFont(QStringLiteral("DejaVu Sans Mono"));
        pc.font.setPixelSize(rollPaper ? 18 : printer.logicalDpiY() / 6);
        pc.wideFont = MakeWideFont(pc.font);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        areas.clear();
        for (pc.page = 1;; ++pc.page) {
            PreparePage(pc);
            pc.rect = {0, 0, page.width(), page.height()};
            const bool more = pageFunction(dialog, pc);
            areas.push_back(QRectF(0, 0, page.width() * 72.0 / printer.resolution(),
                                   page.height() * 72.0 / printer.resolution()));
            if (!more)
                break;
            printer.newPage();
        }
        ++reports;
        return true;
    }
    void FeedRollPaper() override { ++feeds; }
    int reports = 0;
    int feeds = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool rollPaper = false;
    std::vector<QRectF> areas;  // each page's drawing area in points

private:
    QString m_path;
};

// A copper channel of stored data, written before the window opens.
struct Window {
    test::TempDir dir;
    test::ScriptedOperator op;
    test::RecordingSoundPlayer sounds;
    ConditionStore store{dir.Path(), op};
    ProfileFile ini{dir.File("KLV570.ini")};
    PdfReportPrinter printer{QString::fromStdString(dir.File("report.pdf"))};
    MeasFileData d = test::Condition({test::Layer(5, "Cu")});
    std::vector<StatisticsTextBlock> published;
    StatisticsLinks links{store, op,    ini, sounds, printer, nullptr, {},
                          true,  false, {},  {},     {},      {}};

    // Data n holds n µm, measured on day n of 2026/01.
    explicit Window(std::uint32_t count, bool modifiable = true)
        : Window(Numbered(count), modifiable) {}
    // Each data one layer, in the given order.
    explicit Window(std::vector<MsrLogRecord> log, bool modifiable = true) {
        Write(log, modifiable);
    }
    // A condition of several layers: all layers of a data together, in data order.
    Window(MeasFileData condition, std::vector<MsrLogRecord> log) : d(condition) {
        Write(log, true);
    }

    static std::vector<MsrLogRecord> Numbered(std::uint32_t count) {
        std::vector<MsrLogRecord> log;
        for (std::uint32_t n = 1; n <= count; ++n)
            log.push_back(test::Measured(static_cast<float>(n), PackDate(2026, 1, int(n))));
        return log;
    }
    void Write(const std::vector<MsrLogRecord>& log, bool modifiable) {
        QVERIFY(store.CreateConditionDirectories());
        QVERIFY(store.CreateMsrLogFileDirectory());
        const auto count = static_cast<std::uint32_t>(log.size());
        d.nItemCt = count;
        d.wFirstDate = log.front().wDate;
        d.wLastDate = log.back().wDate;
        QVERIFY(store.WriteConditionFile(0, d));
        QVERIFY(WriteMsrLogFile(store, 0, log.data(), 0, count));
        links.modifiable = modifiable;
        links.publish = [this](const StatisticsTextBlock& b) { published.push_back(b); };
    }
    std::vector<float> Logged() {
        MeasFileData stored{};
        if (!store.ReadConditionFile(0, stored, true))
            return {};
        std::vector<MsrLogRecord> log(stored.nItemCt);
        if (!log.empty() && !ReadMsrLogFile(store, 0, log.data(), 0, stored.nItemCt, true))
            return {};
        std::vector<float> values;
        for (const MsrLogRecord& r : log)
            values.push_back(r.lMeasValue);
        return values;
    }
};

// The first word that lies outside its page's drawing area, as "word on page N at x,y"; empty
// when every word lies inside. pdftotext boxes a line a few points lower than the line's own box.
inline QString WordOutside(const std::vector<test::PdfWord>& words,
                           const std::vector<QRectF>& areas) {
    for (const test::PdfWord& w : words) {
        const QRectF area = areas.at(std::size_t(w.page - 1)).adjusted(-0.5, -0.5, 0.5, 5.0);
        if (!area.contains(w.box))
            return QStringLiteral("%1 on page %2 at %3,%4")
                .arg(w.text)
                .arg(w.page)
                .arg(w.box.right())
                .arg(w.box.bottom());
    }
    return {};
}

// The text of a printed PDF, in its layout.
inline QString PdfText(const std::string& path) {
    return test::PdfText(QString::fromStdString(path));
}

inline std::vector<test::PdfWord> PdfWords(const std::string& path) {
    return test::PdfWords(QString::fromStdString(path));
}

}  // namespace klv
