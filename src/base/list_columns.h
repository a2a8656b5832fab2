#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/profile.h"

namespace klv {

enum class ColumnAlign { Left, Right, Center };

// One column of a list: title, alignment and default width in pixels.
struct ListColumn {
    const char* title;
    ColumnAlign align;
    int defaultWidth;
};

inline constexpr int kMinColumnWidth = 4;
inline constexpr int kMaxColumnWidth = 2000;

// "ColWidth0", "ColWidth1", ...
std::string ColumnWidthKey(int index);

// The stored widths, clamped to 4..2000, when every column has its key; otherwise every
// column's default width. A key that reads as -1 counts as absent.
std::vector<int> ReadListColumnWidths(const ProfileFile& ini, const std::string& section,
                                      std::span<const ListColumn> columns);

bool WriteListColumnWidths(ProfileFile& ini, const std::string& section,
                           std::span<const int> widths);

}  // namespace klv
