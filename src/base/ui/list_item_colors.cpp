#include "base/ui/list_item_colors.h"

#include <QPalette>

#include "base/list_colors.h"

namespace klv {
namespace {

QColor RoleColor(const QPalette& pal, ListColorRole role) {
    switch (role) {
        case ListColorRole::WindowText:
            return pal.color(QPalette::Active, QPalette::Text);
        case ListColorRole::Window:
            return pal.color(QPalette::Active, QPalette::Base);
        case ListColorRole::ButtonFace:
            return pal.color(QPalette::Active, QPalette::Button);
        case ListColorRole::Highlight:
            return pal.color(QPalette::Active, QPalette::Highlight);
        case ListColorRole::HighlightText:
            return pal.color(QPalette::Active, QPalette::HighlightedText);
        case ListColorRole::HotBlue:
            break;
    }
    return QColor(0, 0, 255);
}

}  // namespace

ListItemColors GetListItemColors(const QWidget& list, bool selected, bool hot, bool disabledLook) {
    ListItemSituation s;
    s.listEnabled = list.isEnabled();
    s.listFocused = list.hasFocus();
    s.selected = selected;
    s.hot = hot;
    s.disabledLook = disabledLook;
    ListColorRoles roles = ListItemColorRoles(s);
    const QPalette& pal = list.palette();
    return {RoleColor(pal, roles.text), RoleColor(pal, roles.background)};
}

void UseButtonFaceWhenDisabled(QWidget& list) {
    QPalette pal = list.palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Active, QPalette::Button));
    list.setPalette(pal);
}

}  // namespace klv
