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

// True when the section holds a position for the window, so a first start places it itself.
bool HasStoredPlacement(const ProfileFile& ini, const std::string& section);

// The frame around the window's client area: its own once it has one, else what the style
// gives a title bar and a border.
FrameMargins WindowFrame(const QWidget& window);

// Moves the window, by its frame, beside `neighbour` (a frame rectangle) with `air` between:
// to its right where the screen has room, else to its left, else against the screen's right
// edge, which covers the least of a neighbour that starts at the left edge. Its top is the
// neighbour's, kept on the screen.
void PlaceBeside(QWidget& window, const QRect& neighbour, int air);

// Moves the window, by its frame, under `neighbour` with `air` between, left edges aligned,
// kept on the screen.
void PlaceBelow(QWidget& window, const QRect& neighbour, int air);

// Gives the list the table's columns (titles and alignment on a QTreeWidget) with the stored
// widths when every column has one, else the defaults.
void RestoreListColumns(QTreeView& list, const ProfileFile& ini, const std::string& section,
                        std::span<const ListColumn> columns);

bool SaveListColumns(const QTreeView& list, ProfileFile& ini, const std::string& section,
                     std::span<const ListColumn> columns);

}  // namespace klv
