#pragma once

#include <QListWidget>

#include "base/ui/list_click_method.h"
#include "base/ui/list_row_delegate.h"

namespace klv {

// A list box painted in the shared list colours, with the hot row under the mouse
// underlined and the hand cursor over rows.
class CSubclassListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CSubclassListBox(QWidget* parent = nullptr);

    int HotRow() const { return m_click->HotIndex().isValid() ? m_click->HotIndex().row() : -1; }
    CListRowDelegate& Delegate() { return *m_delegate; }

private:
    CListClickMethod* m_click;
    CListRowDelegate* m_delegate;
};

}  // namespace klv
