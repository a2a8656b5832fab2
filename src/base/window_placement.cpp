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

WindowRect ClampWindowRect(WindowRect r, const WindowRect& area,
                           std::optional<WindowSize> minimum) {
    ClampAxis(r.x, r.width, area.x, area.width);
    ClampAxis(r.y, r.height, area.y, area.height);
    if (minimum) {
        r.width = std::max(r.width, minimum->width);
        r.height = std::max(r.height, minimum->height);
    }
    return r;
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
    WindowRect r = current;
    r.x = ini.GetProfileInt(section, ini::kWinLeft, current.x);
    r.y = ini.GetProfileInt(section, ini::kWinTop, current.y);
    if (withSize) {
        r.width = ini.GetProfileInt(section, ini::kWinWidth, current.width);
        r.height = ini.GetProfileInt(section, ini::kWinHeight, current.height);
    }
    WindowPlacement p;
    p.normal = ClampWindowRect(r, area, minimum);
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
