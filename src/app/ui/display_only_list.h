#pragma once

#include <QTreeWidget>

namespace klv {

// Makes a report list that only shows: flat rows of one height, no selection, no focus, no
// editing, and columns that keep the widths they are given.
void MakeDisplayOnly(QTreeWidget& list);

}  // namespace klv
