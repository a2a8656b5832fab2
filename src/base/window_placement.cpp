#include "base/window_placement.h"

#include <algorithm>

#include "base/window_keys.h"

namespace klv {
namespace {

// One axis: extent at least 32 and at most the area's; start inside the area.
void ClampAxis(int& start, int& extent, int areaStart, int areaExtent) {
    extent = std::max(extent, kMinWindowExtent);
    extent = std::min(extent, areaExtent);
    start = std::max(start, areaStart);
    if (start + extent > areaStart + areaExtent)
        start = areaStart + areaExtent - extent;
}

}  // namespace

WindowRect ClampWindowRect(WindowRect r, const WindowRect& area, std::optional<WindowSize> minimum,
                           const FrameMargins& frame) {
    // The client rectangle's room is the area less the frame around it.
    ClampAxis(r.x, r.width, area.x + frame.left, area.width - frame.left - frame.right);
    ClampAxis(r.y, r.height, area.y + frame.top, area.height - frame.top - frame.bottom);
    if (minimum) {
        r.width = std::max(r.width, minimum->width);
        r.height = std::max(r.height, minimum->height);
    }
    return r;
}

WindowRect ChooseScreenArea(const WindowRect& r, std::span<const WindowRect> areas) {
    if (areas.empty())
        return r;
    for (const WindowRect& a : areas) {
        if (r.x >= a.x && r.x < a.x + a.width && r.y >= a.y && r.y < a.y + a.height)
            return a;
    }
    const auto overlap = [&r](const WindowRect& a) {
        const long w = std::min(r.x + r.width, a.x + a.width) - std::max(r.x, a.x);
        const long h = std::min(r.y + r.height, a.y + a.height) - std::max(r.y, a.y);
        return w > 0 && h > 0 ? w * h : 0L;
    };
    const WindowRect* best = &areas.front();
    for (const WindowRect& a : areas) {
        if (overlap(a) > overlap(*best))
            best = &a;
    }
    return *best;
}

int MainWindowShowCommand(int stored) {
    switch (stored) {
        case kShowNormal:
        case kShowMaximized:
        case kShowPlain:
        case kShowRestore:
            return stored;
        default:
            return kShowNormal;
    }
}

WindowPlacement ReadWindowPlacement(const ProfileFile& ini, const std::string& section,
                                    const WindowRect& current, const WindowRect& area,
                                    bool withSize, bool fullPlacement,
                                    std::optional<WindowSize> minimum) {
    return ReadWindowPlacement(ini, section, current, std::span<const WindowRect>(&area, 1), {},
                               withSize, fullPlacement, minimum);
}

WindowPlacement ReadWindowPlacement(const ProfileFile& ini, const std::string& section,
                                    const WindowRect& current, std::span<const WindowRect> areas,
                                    const FrameMargins& frame, bool withSize, bool fullPlacement,
                                    std::optional<WindowSize> minimum) {
    WindowRect r = current;
    r.x = ini.GetProfileInt(section, ini::kWinLeft, current.x);
    r.y = ini.GetProfileInt(section, ini::kWinTop, current.y);
    if (withSize) {
        r.width = ini.GetProfileInt(section, ini::kWinWidth, current.width);
        r.height = ini.GetProfileInt(section, ini::kWinHeight, current.height);
    }
    WindowPlacement p;
    p.normal = ClampWindowRect(r, ChooseScreenArea(r, areas), minimum, frame);
    if (fullPlacement) {
        p.minX = ini.GetProfileInt(section, ini::kWinMinX, -1);
        p.minY = ini.GetProfileInt(section, ini::kWinMinY, -1);
        p.maxX = ini.GetProfileInt(section, ini::kWinMaxX, -1);
        p.maxY = ini.GetProfileInt(section, ini::kWinMaxY, -1);
        p.flags = ini.GetProfileInt(section, ini::kWinFlags, 0);
        int show = ini.GetProfileInt(section, ini::kWinShow, kShowNormal);
        p.showCmd = show == kShowMaximized ? kShowMaximized : kShowNormal;
    }
    return p;
}

bool WriteWindowPlacement(ProfileFile& ini, const std::string& section, const WindowPlacement& p,
                          bool withSize, bool fullPlacement) {
    ProfileBatch batch(ini);
    // Inside the batch a write fails only on a name the file cannot hold; every key counts.
    bool ok = true;
    const auto put = [&](const char* key, int value) {
        ok = ini.WriteProfileInt(section, key, value) && ok;
    };
    put(ini::kWinLeft, p.normal.x);
    put(ini::kWinTop, p.normal.y);
    if (withSize) {
        put(ini::kWinWidth, p.normal.width);
        put(ini::kWinHeight, p.normal.height);
    }
    if (fullPlacement) {
        put(ini::kWinMinX, p.minX);
        put(ini::kWinMinY, p.minY);
        put(ini::kWinMaxX, p.maxX);
        put(ini::kWinMaxY, p.maxY);
        put(ini::kWinFlags, p.flags);
        put(ini::kWinShow, p.showCmd);
    }
    return batch.Commit() && ok;
}

}  // namespace klv
