#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

namespace klv {

// Width of a text on the painter's font with every glyph escape counted as one glyph cell.
int GlyphTextExtent(const QFontMetrics& fm, const QString& text);

// Draws a text with its glyph escapes as pictures, in the painter's font and pen colour,
// placed in `rect` by the kGlyphAlign flags.
void DrawGlyphText(QPainter& painter, const QString& text, const QRect& rect, int flags);

}  // namespace klv
