#pragma once

#include <optional>
#include <span>
#include <string>

#include "base/profile.h"

namespace klv {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
};

inline constexpr int kMinWindowExtent = 32;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowPlain = 5;
inline constexpr int kShowRestore = 9;

// The main window's show command from its stored value: 1, 3, 5 and 9 as they are, any other
// value as normal.
int MainWindowShowCommand(int stored);

// What a section remembers of a window. The minimised and maximised positions and the flags
// are carried for the full placement; -1 means "not set".
struct WindowPlacement {
    WindowRect normal;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int flags = 0;
    int showCmd = kShowNormal;
};

// The window's frame (title bar and borders) around its client rectangle.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Keeps the client rectangle on the usable screen area `area` with its frame: width and
// height at least 32 and at most what the area leaves, the window moved back inside it; then
// raised to `minimum` when given.
WindowRect ClampWindowRect(WindowRect r, const WindowRect& area,
                           std::optional<WindowSize> minimum = std::nullopt,
                           const FrameMargins& frame = {});

// The usable area of the screen a window at `r` belongs on: the screen holding its origin,
// else the one it overlaps most, else the first of `areas` (the primary screen's).
WindowRect ChooseScreenArea(const WindowRect& r, std::span<const WindowRect> areas);

// Reads the section's window keys, defaulting to `current`, and clamps the rectangle. Without
// `withSize` only the position is read; without `fullPlacement` the rest keeps its defaults.
// The show command read is maximised for 3, normal otherwise.
WindowPlacement ReadWindowPlacement(const ProfileFile& ini, const std::string& section,
                                    const WindowRect& current, const WindowRect& area,
                                    bool withSize, bool fullPlacement,
                                    std::optional<WindowSize> minimum = std::nullopt);
// As above on several screens: the rectangle is kept, frame and all, on the screen that holds
// the stored position.
WindowPlacement ReadWindowPlacement(const ProfileFile& ini, const std::string& section,
                                    const WindowRect& current, std::span<const WindowRect> areas,
                                    const FrameMargins& frame, bool withSize, bool fullPlacement,
                                    std::optional<WindowSize> minimum = std::nullopt);

bool WriteWindowPlacement(ProfileFile& ini, const std::string& section,
                          const WindowPlacement& placement, bool withSize, bool fullPlacement);

}  // namespace klv
