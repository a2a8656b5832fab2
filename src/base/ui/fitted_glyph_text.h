#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

class QWidget;

namespace klv {

// The text cut so that it fits `width` with a trailing "..." to show that it was cut; a text
// that fits is kept whole. A glyph escape is never split.
QString FitGlyphText(const QFontMetrics& fm, const QString& text, int width);

// DrawGlyphText of the fitted text, so that a cell too narrow never shows half a character.
void DrawFittedGlyphText(QPainter& painter, const QString& text, const QRect& rect, int flags);

// Told of every text DrawFittedGlyphText had to cut, with the widget it was drawn on (null
// when it went to a printer or an image), so that a window can be searched for texts the
// operator cannot read. Null, the default, tells no one.
using CutTextWatcher = void (*)(const QWidget* where, const QString& text);
void WatchCutTexts(CutTextWatcher watcher);

}  // namespace klv
