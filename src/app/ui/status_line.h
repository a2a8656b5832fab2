#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>

namespace klv {

// The main window's status line. A blinking text alternates between the normal colour and its
// own for six ticks of 500 ms, then stays in its own colour.
class CStatusLine : public QLabel {
    Q_OBJECT
public:
    explicit CStatusLine(QWidget* parent = nullptr);

    void SetStatusText(const QString& text, bool blink, const QColor& color);
    QColor ShownColor() const { return m_shown; }
    bool IsBlinking() const { return m_timer.isActive(); }
    // One blink step; the timer calls it.
    void Tick();

private:
    void Show(const QColor& color);

    QTimer m_timer;
    QColor m_normal;
    QColor m_color;
    QColor m_shown;
    int m_ticks = 0;
};

}  // namespace klv
