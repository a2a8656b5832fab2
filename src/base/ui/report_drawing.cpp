#include "base/ui/report_drawing.h"

#include <QFontMetrics>

#include "base/ui/draw_glyph_text.h"
#include "base/ui/text_codec.h"

namespace klv {

namespace {

constexpr int kPrintFontPoints = 12;

}  // namespace

QFont ScaledReportFont(const PrintPageContext& pc, int points) {
    QFont font = pc.font;
    if (points <= 0)
        return font;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * points / kPrintFontPoints));
    else
        font.setPointSizeF(font.pointSizeF() * points / kPrintFontPoints);
    return font;
}

void DrawReportPage(PrintPageContext& pc, const ReportPage& page, const QFont& titleFont) {
    QPainter& p = *pc.painter;
    p.save();
    p.setClipRect(
        QRect(QPoint(pc.rect.left, pc.rect.top), QPoint(pc.rect.right - 1, pc.rect.bottom - 1)),
        Qt::IntersectClip);
    for (const ReportText& t : page.Texts()) {
        const QFont& font = t.title ? titleFont : pc.font;
        p.setFont(font);
        const QFontMetrics fm(font, p.device());
        const QString text = ToQString(t.text);
        DrawGlyphText(p, text, QRect(t.x, t.y, GlyphTextExtent(fm, text) + 1, fm.height()), 0);
    }
    p.restore();
}

}  // namespace klv
