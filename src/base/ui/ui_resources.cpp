#include "base/ui/ui_resources.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

namespace klv {

QFont DialogFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setFixedPitch(true);
    font.setPixelSize(QFontInfo(QApplication::font()).pixelSize());
    return font;
}

int CommonRowHeight() {
    return QFontMetrics(DialogFont()).boundingRect(QLatin1Char('X')).height();
}

int DialogUnitsToPixels(int units, const QFont& font) {
    // The average over the 52 letters, rounded, as dialog base units are measured.
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int average = (QFontMetrics(font).horizontalAdvance(kLetters) / 26 + 1) / 2;
    return (units * average + 2) / 4;
}

}  // namespace klv
