#include "output/ui/roll_paper_drawer.h"

#include <QFontMetrics>
#include <QPainter>

#include "base/ui/draw_glyph_text.h"
#include "base/ui/print_page_context.h"
#include "base/ui/text_codec.h"
#include "output/roll_paper_model.h"
#include "output/ui/print_face.h"

namespace klv {

QFont MakeRollPaperFont(const QString& face, int sizeTenths, bool wide) {
    QFont font(ResolvePrintFace(face));
    font.setStyleHint(QFont::TypeWriter);
    // Thermal dots are black or white: grey edges would print as a ragged outline.
    font.setStyleStrategy(QFont::NoAntialias);
    const int height = -RollPaperFontHeight(sizeTenths);
    font.setPixelSize(height > 0 ? height : 1);
    return wide ? MakeWideFont(font) : font;
}

MonoBitmap ToMonoBitmap(const QImage& image) {
    MonoBitmap b = MakeWhiteBitmap(image.width(), image.height());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (qGray(line[x]) < 128)
                b.bits[static_cast<std::size_t>(y * b.BytesPerRow() + x / 8)] &=
                    static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
        }
    }
    return b;
}

QImage ToImage(const MonoBitmap& bitmap, int rows) {
    QImage image(bitmap.width, std::clamp(rows, 0, bitmap.height), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = bitmap.IsBlack(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return image;
}

RollPaperTextDrawer::Cell CQtRollPaperDrawer::CharacterCell() {
    const QFontMetrics fm(m_font);
    return {fm.horizontalAdvance(QLatin1Char('X')), fm.height()};
}

MonoBitmap CQtRollPaperDrawer::DrawLine(const std::string& text, int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        DrawGlyphText(painter, UiTextCodec().ToQString(text), image.rect(), 0);
    }
    MonoBitmap b = ToMonoBitmap(image);
    b.height = std::max(height, 0);
    b.bits.resize(static_cast<std::size_t>(b.BytesPerRow()) * static_cast<std::size_t>(b.height));
    return b;
}

}  // namespace klv
