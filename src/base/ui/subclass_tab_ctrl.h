#pragma once

#include <QTabBar>
#include <functional>

namespace klv {

// A tab bar whose owner may refuse a page change: a left click on another tab first asks
// the guard with the tab index, and a refused click only beeps.
class CSubclassTabCtrl : public QTabBar {
    Q_OBJECT
public:
    using Guard = std::function<bool(int index)>;
    explicit CSubclassTabCtrl(QWidget* parent = nullptr);

    void SetChangeGuard(Guard guard) { m_guard = std::move(guard); }
    int RefusedClicks() const { return m_refused; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Guard m_guard;
    int m_refused = 0;
};

}  // namespace klv
