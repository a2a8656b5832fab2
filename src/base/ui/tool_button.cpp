#include "base/ui/tool_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace klv {

CToolButton::CToolButton(const QString& caption, int flags, const QColor& hoverColor,
                         QWidget* parent)
    : QAbstractButton(parent),
      m_toggle((flags & kToolButtonToggle) != 0),
      m_hoverColor(hoverColor) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void CToolButton::SetToggled(bool on) {
    if (on == m_toggled)
        return;
    m_toggled = on;
    update();
    emit toggledChanged(on);
}

QSize CToolButton::sizeHint() const {
    QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
    return {caption.width() + 16, caption.height() + 10};
}

void CToolButton::paintEvent(QPaintEvent*) {
    QPixmap off(size() * devicePixelRatioF());
    off.setDevicePixelRatio(devicePixelRatioF());
    QPainter p(&off);
    const QPalette& pal = palette();
    QRect r = rect();
    bool down = isDown() || m_toggled;
    p.fillRect(r, pal.color(QPalette::Button));
    QColor topLeft = down ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    QColor bottomRight = down ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    QRect caption = r.adjusted(4, 3, -4, -3);
    if (down)
        caption.translate(1, 1);
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(m_hover ? m_hoverColor : pal.color(QPalette::Active, QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, text());
    } else {
        p.setPen(pal.color(QPalette::Light));
        p.drawText(caption.translated(1, 1), Qt::AlignCenter, text());
        p.setPen(pal.color(QPalette::Dark));
        p.drawText(caption, Qt::AlignCenter, text());
    }
    p.end();
    QPainter(this).drawPixmap(0, 0, off);
}

void CToolButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void CToolButton::mouseReleaseEvent(QMouseEvent* event) {
    bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        if (m_toggle && m_pressed && inside)
            SetToggled(!m_toggled);
        m_pressed = false;
        update();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void CToolButton::mouseMoveEvent(QMouseEvent* event) {
    bool inside = rect().contains(event->position().toPoint());
    if (inside != m_hover) {
        m_hover = inside;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CToolButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CToolButton::leaveEvent(QEvent* event) {
    m_hover = false;
    m_pressed = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// Keys never reach the button: it works by mouse only.
void CToolButton::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void CToolButton::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace klv
