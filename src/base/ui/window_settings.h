#pragma once

#include <QTreeView>
#include <QWidget>
#include <optional>
#include <span>
#include <string>

#include "base/list_columns.h"
#include "base/profile.h"
#include "base/window_placement.h"

namespace klv {

// Puts the window where the section remembers it: centred on its parent first, then the
// stored position (and size with `withSize`) kept on the screen, then, with
// `fullPlacement`, maximised when it was.
void RestoreWindowPlacement(QWidget& window, const ProfileFile& ini, const std::string& section,
                            bool withSize, bool fullPlacement,
                            std::optional<WindowSize> minimum = std::nullopt);

// Stores the window's normal rectangle (and its maximised state with `fullPlacement`).
bool SaveWindowPlacement(const QWidget& window, ProfileFile& ini, const std::string& section,
                         bool withSize, bool fullPlacement);

// Gives the list the table's columns (titles and alignment on a QTreeWidget) with the stored
// widths when every column has one, else the defaults.
void RestoreListColumns(QTreeView& list, const ProfileFile& ini, const std::string& section,
                        std::span<const ListColumn> columns);

bool SaveListColumns(const QTreeView& list, ProfileFile& ini, const std::string& section,
                     std::span<const ListColumn> columns);

}  // namespace klv
