#pragma once

#include <QTreeWidget>

#include "base/ui/list_click_method.h"
#include "base/ui/list_row_delegate.h"

namespace klv {

// The owner-drawn report list: full-row selection, the shared colours, no tool tips, and
// the list click method (tracking with one-click activation, or double-click activation).
class CSubclassListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CSubclassListCtrl(bool tracking, QWidget* parent = nullptr);

    CListRowDelegate& Delegate() { return *m_delegate; }
    int HotRow() const { return m_click->HotIndex().isValid() ? m_click->HotIndex().row() : -1; }

signals:
    void rowActivated(int row);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    CListClickMethod* m_click;
    CListRowDelegate* m_delegate;
};

}  // namespace klv
