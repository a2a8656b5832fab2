#pragma once

namespace klv::ini {

// Window keys of any section.
inline constexpr const char* kWinLeft = "WinLeft";
inline constexpr const char* kWinTop = "WinTop";
inline constexpr const char* kWinWidth = "WinWidth";
inline constexpr const char* kWinHeight = "WinHeight";
inline constexpr const char* kWinMinX = "WinMinX";
inline constexpr const char* kWinMinY = "WinMinY";
inline constexpr const char* kWinMaxX = "WinMaxX";
inline constexpr const char* kWinMaxY = "WinMaxY";
inline constexpr const char* kWinFlags = "WinFlags";
inline constexpr const char* kWinShow = "WinShow";
// List columns of any section, numbered from 0.
inline constexpr const char* kColWidthFormat = "ColWidth%d";

}  // namespace klv::ini
