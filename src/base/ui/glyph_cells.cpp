#include "base/ui/glyph_cells.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <utility>

#include "base/glyph_text.h"

namespace klv {
namespace {

// Glyphs drawn from characters of the screen font: superscript two and three, micro,
// degree, plus-minus, and for the control charts X and R with an overline.
// Superscripts stand against the unit before them ("mm²"), the others in their cell's middle.
struct GlyphShape {
    QChar ch;
    bool overline;
    bool small;
    bool superscript;
};
const GlyphShape kShapes[kGlyphCount] = {
    {QChar(0x00B2), false, false, true},  {QChar(0x00B3), false, false, true},
    {QChar(0x00B5), false, false, false}, {QChar(0x00B0), false, false, false},
    {QChar(0x00B1), false, false, false}, {QChar('X'), true, true, false},
    {QChar('R'), true, true, false},
};

QImage DrawCell(int glyph, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    if (glyph < 0 || glyph >= kGlyphCount)
        return img;
    const GlyphShape& g = kShapes[glyph];
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(g.small ? size * 3 / 4 : size);
    p.setFont(font);
    p.setPen(Qt::black);
    QRect box(0, g.overline ? size / 6 : 0, size, g.overline ? size - size / 6 : size);
    p.drawText(box, g.superscript ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter,
               QString(g.ch));
    if (g.overline) {
        QRect ink = p.fontMetrics().tightBoundingRect(QString(g.ch));
        int width = std::max(ink.width(), size / 2);
        int top = std::max(1, box.center().y() - ink.height() / 2 - std::max(2, size / 8));
        p.setPen(QPen(Qt::black, std::max(1, size / 12)));
        p.drawLine((size - width) / 2, top, (size + width) / 2, top);
    }
    return img;
}

}  // namespace

QImage GlyphCellImage(int glyph, int size, const QColor& color) {
    static QHash<std::pair<int, int>, QImage> cells;
    auto key = std::make_pair(glyph, size);
    auto it = cells.find(key);
    if (it == cells.end())
        it = cells.insert(key, DrawCell(glyph, size));
    QImage tinted = it.value().copy();
    QPainter p(&tinted);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(tinted.rect(), color);
    return tinted;
}

}  // namespace klv
