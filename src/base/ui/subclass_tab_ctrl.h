#pragma once

#include <QTabBar>
#include <functional>

#include "base/sound_player.h"

namespace klv {

// A tab bar whose owner may refuse a page change: a left click on another tab first asks
// the guard with the tab index, and a refused click only beeps.
class CSubclassTabCtrl : public QTabBar {
    Q_OBJECT
public:
    using Guard = std::function<bool(int index)>;
    explicit CSubclassTabCtrl(SoundPlayer& sounds, QWidget* parent = nullptr);

    void SetChangeGuard(Guard guard) { m_guard = std::move(guard); }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    SoundPlayer& m_sounds;
    Guard m_guard;
};

}  // namespace klv
