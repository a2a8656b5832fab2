#pragma once

#include <QWidget>
#include <optional>

namespace klv {

class CSplitBar;

// The part of the main window that the splitter divides: the left column ends at the bar,
// the right panel begins right of it. The bar's position is kept in the coordinates of the
// pane's parent (the window's client area) and clamped to 150 pixels from either edge.
class CSplitPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEdgeDistance = 150;
    // Without a stored position the right panel gets this much room.
    static constexpr int kDefaultRightWidth = 340;

    CSplitPane(QWidget* left, QWidget* right, QWidget* parent);

    void SetSplitPosition(int x);
    // Back to the default distance from the right edge.
    void ResetSplitPosition();
    int SplitPosition() const;
    // The left column as wide as it asks and the right panel its default width.
    QSize sizeHint() const override;
    CSplitBar* Bar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The left column asking for another width moves a default bar.
    bool event(QEvent* event) override;

private:
    void DragTo(int x);
    int ClientWidth() const;
    void LayOut();

    QWidget* m_left;
    QWidget* m_right;
    CSplitBar* m_bar;
    std::optional<int> m_split;
};

}  // namespace klv
