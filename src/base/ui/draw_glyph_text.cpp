#include "base/ui/draw_glyph_text.h"

#include <optional>

#include "base/glyph_text.h"
#include "base/ui/glyph_cells.h"
#include "base/ui/text_codec.h"

namespace klv {
namespace {

int GlyphCellSize(const QFontMetrics& fm) {
    std::optional<GlyphStripChoice> choice = ChooseGlyphStrip(fm.height());
    return choice ? choice->CellSize() : 0;
}

}  // namespace

int GlyphTextExtent(const QFontMetrics& fm, const QString& text) {
    int escapes = CountGlyphEscapes(FromQString(text));
    return GlyphTextWidth(fm.horizontalAdvance(text), fm.horizontalAdvance(QLatin1Char('X')),
                          escapes, GlyphCellSize(fm));
}

void DrawGlyphText(QPainter& painter, const QString& text, const QRect& rect, int flags) {
    QFontMetrics fm = painter.fontMetrics();
    int cell = GlyphCellSize(fm);
    GlyphPoint at = GlyphTextOrigin(rect.x(), rect.y(), rect.width(), rect.height(),
                                    GlyphTextExtent(fm, text), fm.height(), flags);
    int x = at.x;
    for (const GlyphRun& run : ParseGlyphText(FromQString(text))) {
        if (run.glyph < 0) {
            QString part = ToQString(run.text);
            painter.drawText(x, at.y + fm.ascent(), part);
            x += fm.horizontalAdvance(part);
        } else if (cell > 0) {
            painter.drawImage(QPoint(x, at.y),
                              GlyphCellImage(run.glyph, cell, painter.pen().color()));
            x += cell;
        }
    }
}

}  // namespace klv
