#include "base/list_colors.h"

namespace klv {

ListColorRoles ListItemColorRoles(const ListItemSituation& s) {
    using R = ListColorRole;
    if (!s.listEnabled)
        return {R::WindowText, R::ButtonFace};
    if (!s.selected)
        return {s.hot ? R::HotBlue : R::WindowText, R::Window};
    if (s.listFocused)
        return {R::HighlightText, s.hot ? R::HotBlue : R::Highlight};
    return {R::WindowText, s.disabledLook ? R::ButtonFace : R::Window};
}

}  // namespace klv
