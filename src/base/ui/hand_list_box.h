#pragma once

#include <QListWidget>

namespace klv {

// A list box that shows the hand cursor while the mouse is over it.
class CHandListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CHandListBox(QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}  // namespace klv
