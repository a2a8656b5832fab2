#include "app/ui/status_line.h"

namespace klv {

namespace {

constexpr int kBlinkMs = 500;
constexpr int kBlinkTicks = 6;

}  // namespace

CStatusLine::CStatusLine(QWidget* parent)
    : QLabel(parent), m_normal(palette().color(QPalette::WindowText)) {
    m_timer.setInterval(kBlinkMs);
    connect(&m_timer, &QTimer::timeout, this, &CStatusLine::Tick);
}

void CStatusLine::SetStatusText(const QString& text, bool blink, const QColor& color) {
    const QColor wanted = blink ? color : m_normal;
    const QString shown = QLatin1Char(' ') + text;
    if (shown == this->text() && wanted == m_color)
        return;
    setText(shown);
    m_color = wanted;
    m_ticks = 0;
    Show(wanted);
    if (blink)
        m_timer.start();
    else
        m_timer.stop();
}

void CStatusLine::Tick() {
    ++m_ticks;
    if (m_ticks >= kBlinkTicks) {
        m_timer.stop();
        Show(m_color);
        return;
    }
    Show(m_ticks % 2 == 1 ? m_normal : m_color);
}

void CStatusLine::Show(const QColor& color) {
    m_shown = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

}  // namespace klv
