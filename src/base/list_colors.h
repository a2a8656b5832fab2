#pragma once

namespace klv {

// The system colours an owner-drawn list row is painted with.
enum class ListColorRole { WindowText, Window, ButtonFace, Highlight, HighlightText, HotBlue };

struct ListColorRoles {
    ListColorRole text;
    ListColorRole background;
    bool operator==(const ListColorRoles&) const = default;
};

struct ListItemSituation {
    bool listEnabled = true;
    bool listFocused = false;
    bool selected = false;
    bool hot = false;
    bool disabledLook = false;
};

// Text and background of one row of every owner-drawn list.
ListColorRoles ListItemColorRoles(const ListItemSituation& s);

}  // namespace klv
