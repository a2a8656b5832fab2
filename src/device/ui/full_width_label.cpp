#include "device/ui/full_width_label.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace klv {

namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;  // the forms of '!' to '~'
constexpr char16_t kFullWidthLast = 0xFF5E;
constexpr char16_t kFullWidthOffset = 0xFEE0;

bool IsFullWidth(QChar c) {
    return c.unicode() >= kFullWidthFirst && c.unicode() <= kFullWidthLast;
}

QChar NarrowOf(QChar c) {
    return IsFullWidth(c) ? QChar(c.unicode() - kFullWidthOffset) : c;
}

}  // namespace

QString ToFullWidth(const QString& text) {
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z'))
            out += QChar(u + kFullWidthOffset);
        else
            out += c;
    }
    return out;
}

CFullWidthLabel::CFullWidthLabel(QWidget* parent) : QLabel(parent) {}

int CFullWidthLabel::CellWidth(QChar c) const {
    const int narrow = fontMetrics().horizontalAdvance(NarrowOf(c));
    return IsFullWidth(c) ? std::max(narrow, QFontInfo(font()).pixelSize()) : narrow;
}

int CFullWidthLabel::TextWidth() const {
    int width = 0;
    for (QChar c : text())
        width += CellWidth(c);
    return width;
}

QSize CFullWidthLabel::sizeHint() const {
    const int edge = 2 * (frameWidth() + margin());
    return {TextWidth() + edge + fontMetrics().averageCharWidth(), fontMetrics().height() + edge};
}

QSize CFullWidthLabel::minimumSizeHint() const {
    return sizeHint();
}

void CFullWidthLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QRect line = QStyle::alignedRect(layoutDirection(), alignment(),
                                           QSize(TextWidth(), area.height()), area);
    int x = line.left();
    for (QChar c : text()) {
        const int width = CellWidth(c);
        style()->drawItemText(&painter, QRect(x, line.top(), width, line.height()),
                              Qt::AlignHCenter | (alignment() & Qt::AlignVertical_Mask), palette(),
                              isEnabled(), QString(NarrowOf(c)), foregroundRole());
        x += width;
    }
}

}  // namespace klv
