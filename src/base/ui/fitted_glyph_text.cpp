#include "base/ui/fitted_glyph_text.h"

#include "base/ui/draw_glyph_text.h"

namespace klv {

QString FitGlyphText(const QFontMetrics& fm, const QString& text, int width) {
    // Trailing blanks (an empty limit mark) are no part of what must be seen.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    QString cut = text.left(end);
    if (GlyphTextExtent(fm, cut) <= width)
        return cut;
    const QString mark = QStringLiteral("...");
    while (!cut.isEmpty()) {
        cut.chop(1);
        if (cut.endsWith(QLatin1Char('%')))
            cut.chop(1);
        if (GlyphTextExtent(fm, cut + mark) <= width)
            return cut + mark;
    }
    return GlyphTextExtent(fm, mark) <= width ? mark : QString();
}

void DrawFittedGlyphText(QPainter& painter, const QString& text, const QRect& rect, int flags) {
    DrawGlyphText(painter, FitGlyphText(painter.fontMetrics(), text, rect.width()), rect, flags);
}

}  // namespace klv
