#include "app/ui/display_only_list.h"

#include <QHeaderView>

#include "base/list_columns.h"

namespace klv {

void MakeDisplayOnly(QTreeWidget& list) {
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setUniformRowHeights(true);
    list.setSelectionMode(QAbstractItemView::NoSelection);
    list.setFocusPolicy(Qt::NoFocus);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.header()->setStretchLastSection(false);
    list.header()->setMinimumSectionSize(kMinColumnWidth);
}

}  // namespace klv
