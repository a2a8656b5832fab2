#pragma once

#include <QMarginsF>
#include <QString>
#include <functional>
#include <memory>

#include "base/clock.h"
#include "base/operator.h"
#include "base/print_geometry.h"
#include "base/profile.h"
#include "base/ui/print_page_context.h"
#include "output/roll_paper_model.h"
#include "output/roll_paper_output.h"

class QPrinter;

namespace klv {

inline constexpr char kMsgPagePrinterUnusable[] = "Page printer can't be used.";

// Runs the print jobs of reports: on the page printer, in bands on the roll-paper printer,
// or in the page print image window under print simulation.
class CPrintReporter final : public ReportPrinter {
public:
    struct Font {
        QString face;
        int size;  // tenths of a point
    };
    using ChannelSource = std::function<OpenChannelRef()>;

    CPrintReporter(CRollPaperOutput& rollPaper, Operator& op, Clock& clock, ProfileFile* profile);
    ~CPrintReporter() override;
    CPrintReporter(const CPrintReporter&) = delete;
    CPrintReporter& operator=(const CPrintReporter&) = delete;

    void SetPageFont(const Font& font) { m_pageFont = font; }
    void SetRollPaperFont(const Font& font) { m_rollPaperFont = font; }
    void SetPrintSimulation(bool on) { m_simulation = on; }
    // The open channel, whose pending five-data line goes out before a report.
    void SetChannelSource(ChannelSource source) { m_channel = std::move(source); }

    // ReportPrinter
    bool PrintReport(QWidget* dialog, const PageFunction& pageFunction) override;
    void FeedRollPaper() override { m_rollPaper.FeedRollPaper(); }
    // The page setup held for the run (a PDF file's while no printer is configured); null until
    // the first page report.
    QPrinter* PagePrinter() { return m_printer.get(); }
    const PageMargins& Margins() const { return m_margins; }

private:
    bool PrintRollPaperBands(QWidget* dialog, const PageFunction& pageFunction);
    bool PrintPages(QWidget* dialog, const PageFunction& pageFunction);
    // The page's margins as parts of the paper, for the page print image.
    QMarginsF MarginParts() const;
    // The default printer's setup, or a PDF file's where the system has no printer.
    void HoldDefaultPrinter();

    CRollPaperOutput& m_rollPaper;
    Operator& m_op;
    Clock& m_clock;
    ProfileFile* m_profile;
    Font m_pageFont{QString(), 120};
    Font m_rollPaperFont{QString(), 140};
    bool m_simulation = false;
    ChannelSource m_channel;
    std::unique_ptr<QPrinter> m_printer;
    bool m_fileOnly = false;  // no printer was there when the setup was taken
    PageMargins m_margins;
};

}  // namespace klv
