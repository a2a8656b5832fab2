#pragma once

#include <QColor>
#include <QWidget>

namespace klv {

struct ListItemColors {
    QColor text;
    QColor background;
};

// The colours of one row of an owner-drawn list, from the list's state and palette.
ListItemColors GetListItemColors(const QWidget& list, bool selected, bool hot, bool disabledLook);

// Lets a disabled list fill its empty area with the button face, as its rows are.
void UseButtonFaceWhenDisabled(QWidget& list);

}  // namespace klv
