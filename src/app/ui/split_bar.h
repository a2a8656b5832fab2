#pragma once

#include <QWidget>

namespace klv {

// The vertical splitter bar of the main window. The widget is the bar widened by its hit
// margin on each side, shows the sizing cursor, and reports where the bar is dragged to.
class CSplitBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBarWidth = 4;
    static constexpr int kHitMargin = 2;

    explicit CSplitBar(QWidget* parent = nullptr);

signals:
    // The bar's new left edge in the parent's coordinates.
    void dragged(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_grab = -1;  // mouse x from the bar's left edge while dragging
};

}  // namespace klv
