#include "measure/ui/level_meter.h"

#include <QPainter>
#include <algorithm>

namespace klv {

namespace {

constexpr int kCells = 2 * kLevelMeterTop + 1;
constexpr int kBlinkMs = 500;
constexpr int kRedrawMs = 100;
constexpr int kCellWidth = 18;
constexpr int kLabelChars = 3;

}  // namespace

CLevelMeter::CLevelMeter(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CLevelMeter"));
    m_blink.setInterval(kBlinkMs);
    m_redraw.setInterval(kRedrawMs);
    connect(&m_blink, &QTimer::timeout, this, [this] { m_blinkOn = !m_blinkOn; });
    connect(&m_redraw, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void CLevelMeter::Update(const PollingData& poll) {
    m_state = LevelMeterFor(poll);
    if (!m_state.running) {
        StopTimers();
    } else {
        if (!m_redraw.isActive())
            m_redraw.start();
        if (m_state.blinking && !m_blink.isActive()) {
            m_blinkOn = true;
            m_blink.start();
        } else if (!m_state.blinking) {
            m_blink.stop();
        }
    }
    update();
}

void CLevelMeter::Reset() {
    StopTimers();
    m_state = LevelMeterState{};
    update();
}

void CLevelMeter::StopTimers() {
    m_blink.stop();
    m_redraw.stop();
    m_blinkOn = true;
}

QSize CLevelMeter::sizeHint() const {
    const int line = fontMetrics().height();
    return {kCellWidth + fontMetrics().horizontalAdvance(QLatin1Char('0')) * kLabelChars + 8,
            kCells * std::max(line * 2 / 3, 8)};
}

QSize CLevelMeter::minimumSizeHint() const {
    return {sizeHint().width(), kCells * 6};
}

void CLevelMeter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = rect().adjusted(2, 2, -2, -2);
    const int labelWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * kLabelChars;
    const int cellLeft = area.left() + labelWidth + 4;
    const int cellWidth = std::max(area.right() - cellLeft, 4);
    const double cellHeight = area.height() / double(kCells);
    const QColor lit = palette().color(QPalette::Highlight);
    const QColor dark = palette().color(QPalette::Mid);
    const int lo = std::min(0, m_state.level);
    const int hi = std::max(0, m_state.level);
    for (int i = 0; i < kCells; ++i) {
        const int level = kLevelMeterTop - i;
        const QRectF cell(cellLeft, area.top() + i * cellHeight + 1, cellWidth, cellHeight - 2);
        const bool on = level >= lo && level <= hi && LitCellsShown() &&
                        (m_state.running || m_state.level != 0);
        p.fillRect(cell, on ? lit : dark);
    }
    p.setPen(palette().color(QPalette::WindowText));
    const struct {
        int level;
        const char* text;
    } labels[] = {{kLevelMeterTop, "+6"}, {0, "0"}, {-kLevelMeterTop, "-6"}};
    for (const auto& l : labels) {
        const int i = kLevelMeterTop - l.level;
        const QRectF box(area.left(), area.top() + i * cellHeight, labelWidth, cellHeight);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(l.text));
    }
}

}  // namespace klv
