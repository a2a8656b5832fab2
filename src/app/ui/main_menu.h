#pragma once

#include <QHash>
#include <span>

class QAction;
class QMenu;
class QMenuBar;

namespace klv {

// One menu entry; id 0 stands for a separator.
struct MenuEntry {
    int id;
    const char* text;
};

struct MenuPopup {
    const char* title;
    const char* objectName;
    std::span<const MenuEntry> entries;
};

std::span<const MenuPopup> MainMenuPopups();
std::span<const MenuEntry> HiddenMenuEntries();

// Fills the bar with the popups; every action carries its command id as data and is
// named "cmd<id>". Returns the actions by id.
QHash<int, QAction*> BuildMainMenu(QMenuBar& bar);

// Inserts "Hidden(&X)" before the last popup, or removes it when it is there; the new popup's
// actions are added to `actions`. Returns whether the hidden popup is shown afterwards.
bool ToggleHiddenMenu(QMenuBar& bar, QHash<int, QAction*>& actions);

}  // namespace klv
