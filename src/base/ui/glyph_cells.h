#pragma once

#include <QColor>
#include <QImage>

namespace klv {

// The picture of glyph 0-6 in a square cell of `size` pixels, in `color` on a transparent
// ground; cells 7-15 are empty.
QImage GlyphCellImage(int glyph, int size, const QColor& color);

}  // namespace klv
