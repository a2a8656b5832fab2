#include "base/ui/print_page_context.h"

#include <QFontMetrics>

#include "base/ui/draw_glyph_text.h"
#include "base/ui/text_codec.h"

namespace klv {

namespace {

QRect ToQRect(const PrintRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

void DrawAt(PrintPageContext& pc, const QFont& font, const QString& text, int x, int y) {
    QPainter& p = *pc.painter;
    p.save();
    p.setFont(font);
    p.setClipRect(ToQRect(pc.rect), Qt::IntersectClip);
    const QFontMetrics fm(font, p.device());
    DrawGlyphText(p, text, QRect(x, y, GlyphTextExtent(fm, text) + 1, fm.height()), 0);
    p.restore();
}

}  // namespace

QFont MakeWideFont(const QFont& font) {
    QFont wide = font;
    const QFontMetrics fm(font);
    const int width = fm.averageCharWidth();
    const int height = font.pixelSize() > 0 ? font.pixelSize() : fm.height();
    if (width > 0)
        wide.setStretch(std::clamp(100 * height / width, 1, 4000));
    return wide;
}

void PreparePage(PrintPageContext& pc) {
    pc.painter->setFont(pc.font);
    pc.painter->setBackgroundMode(Qt::TransparentMode);
    pc.painter->setPen(Qt::black);
    const QFontMetrics fm(pc.font, pc.painter->device());
    pc.charWidth = fm.horizontalAdvance(QLatin1Char('X'));
    pc.charHeight = fm.height();
    pc.end = false;
}

void PrintTitleLine(PrintPageContext& pc, const std::string& text, bool wide, bool date,
                    bool page) {
    const QString right = QString::fromStdString(MakeTitleRightText(pc.start, pc.page, date, page));
    const QFontMetrics fm(pc.font, pc.painter->device());
    const TitleLinePlacement at =
        PlaceTitleLine(pc.rect, fm.horizontalAdvance(right), pc.charHeight);
    DrawAt(pc, wide ? pc.wideFont : pc.font, UiTextCodec().ToQString(text), at.leftX, at.y);
    if (!right.isEmpty())
        DrawAt(pc, pc.font, right, at.rightX, at.y);
    pc.rect.top = at.nextY;
}

void PrintLabelValueTable(PrintPageContext& pc, LabelValueLayout& layout,
                          const std::vector<LabelValueEntry>& entries) {
    const std::vector<CellPlacement> cells =
        PlaceLabelValueTable(layout, entries, pc.charWidth, pc.charHeight, pc.rect.right);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        DrawAt(pc, pc.font, UiTextCodec().ToQString(entries[i].label), cells[i].labelX,
               cells[i].labelY);
        DrawAt(pc, pc.font, UiTextCodec().ToQString(entries[i].value), cells[i].valueX,
               cells[i].valueY);
    }
}

}  // namespace klv
