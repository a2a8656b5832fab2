#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

#include "base/clock.h"
#include "base/page_layout.h"
#include "base/print_geometry.h"

class QWidget;

namespace klv {

// What a page function draws one page with.
struct PrintPageContext {
    QPainter* painter = nullptr;
    PrintRect rect;  // top: the current line position
    int page = 1;
    int charWidth = 0;  // extent of "X" in the normal font
    int charHeight = 0;
    QFont font;
    QFont wideFont;  // as wide as high
    LocalTime start;
    bool end = false;  // set by the page function: no more roll-paper bands
};

// Draws one page at the context's position; true when another page follows.
using PageFunction = std::function<bool(QWidget* dialog, PrintPageContext& pc)>;

// Where a window's report is printed: the chosen printer or its print image.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Runs the page function once per page (or band); true when the report was printed.
    virtual bool PrintReport(QWidget* dialog, const PageFunction& pageFunction) = 0;
    // Separates the report from the next lines on the roll-paper printer.
    virtual void FeedRollPaper() = 0;
};

// The font with its character width set to its height.
QFont MakeWideFont(const QFont& font);
// Selects the normal font, measures "X" and clears the end flag.
void PreparePage(PrintPageContext& pc);

// A title at the left with the job's start time and the page number at the right edge; the
// line position moves on by one and a half lines.
void PrintTitleLine(PrintPageContext& pc, const std::string& text, bool wide, bool date, bool page);
// Label/value cells flowing across the page; the layout's y ends below the last row.
void PrintLabelValueTable(PrintPageContext& pc, LabelValueLayout& layout,
                          const std::vector<LabelValueEntry>& entries);

}  // namespace klv
