#pragma once

#include <QTimer>
#include <QWidget>

#include "measure/level_meter_level.h"

namespace klv {

// The level meter of the main window: 13 cells from +6 at the top to −6 at the bottom; the
// cells from 0 to the level are lit, blinking during the blanking time.
class CLevelMeter final : public QWidget {
    Q_OBJECT
public:
    explicit CLevelMeter(QWidget* parent = nullptr);

    void Update(const PollingData& poll);
    // No poll: timers stopped, level 0, no blinking.
    void Reset();

    int Level() const { return m_state.level; }
    bool IsBlinking() const { return m_state.blinking; }
    bool IsRunning() const { return m_redraw.isActive(); }
    // Whether lit cells show at this tick.
    bool LitCellsShown() const { return !m_state.blinking || m_blinkOn; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StopTimers();

    LevelMeterState m_state;
    bool m_blinkOn = true;
    QTimer m_blink;
    QTimer m_redraw;
};

}  // namespace klv
