#pragma once

#include <QTabBar>
#include <functional>

#include "base/sound_player.h"

namespace klv {

// A tab bar whose owner may refuse a page change: a left click on another tab, an arrow key,
// the mouse wheel or a tab's shortcut first asks the guard with the tab index, and a refused
// change only beeps. The owner's own setCurrentIndex is not asked.
class CSubclassTabCtrl : public QTabBar {
    Q_OBJECT
public:
    using Guard = std::function<bool(int index)>;
    explicit CSubclassTabCtrl(SoundPlayer& sounds, QWidget* parent = nullptr);

    void SetChangeGuard(Guard guard) { m_guard = std::move(guard); }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Lets the base class handle an event that may change the page, then lets the guard decide
    // whether the page it chose is taken.
    void Guarded(const std::function<void()>& handle);

    SoundPlayer& m_sounds;
    Guard m_guard;
};

}  // namespace klv
