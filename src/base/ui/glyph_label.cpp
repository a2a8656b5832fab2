#include "base/ui/glyph_label.h"

#include <QPainter>

#include "base/ui/draw_glyph_text.h"

namespace klv {

CGlyphLabel::CGlyphLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CGlyphLabel::setText(const QString& text) {
    m_text = text;
    updateGeometry();
    update();
}

QSize CGlyphLabel::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const QStringList lines = m_text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, GlyphTextExtent(fm, line));
    return {width + 2, fm.height() * static_cast<int>(lines.size())};
}

void CGlyphLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    int y = 0;
    for (const QString& line : m_text.split(QLatin1Char('\n'))) {
        DrawGlyphText(painter, line, QRect(1, y, width() - 1, lineHeight), 0);
        y += lineHeight;
    }
}

}  // namespace klv
