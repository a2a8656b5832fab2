#include "base/ui/subclass_list_ctrl.h"

#include <QEvent>

#include "base/ui/list_item_colors.h"

namespace klv {

CSubclassListCtrl::CSubclassListCtrl(bool tracking, QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    m_click = new CListClickMethod(*this, tracking, tracking);
    m_delegate = new CListRowDelegate(*this, [this] { return m_click->HotIndex(); });
    setItemDelegate(m_delegate);
    UseButtonFaceWhenDisabled(*this);
    connect(m_click, &CListClickMethod::activated, this,
            [this](const QModelIndex& index) { emit rowActivated(index.row()); });
}

bool CSubclassListCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return true;
    return QTreeWidget::viewportEvent(event);
}

}  // namespace klv
