#include "base/ui/fitted_glyph_text.h"

#include <QWidget>

#include "base/ui/draw_glyph_text.h"

namespace klv {
namespace {

CutTextWatcher g_cutTextWatcher = nullptr;

// Trailing blanks (an empty limit mark) are no part of what must be seen.
QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

}  // namespace

QString FitGlyphText(const QFontMetrics& fm, const QString& text, int width) {
    QString cut = WithoutTrailingBlanks(text);
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
    const QString fitted = FitGlyphText(painter.fontMetrics(), text, rect.width());
    if (g_cutTextWatcher != nullptr && fitted != WithoutTrailingBlanks(text))
        g_cutTextWatcher(dynamic_cast<const QWidget*>(painter.device()), text);
    DrawGlyphText(painter, fitted, rect, flags);
}

void WatchCutTexts(CutTextWatcher watcher) {
    g_cutTextWatcher = watcher;
}

}  // namespace klv
