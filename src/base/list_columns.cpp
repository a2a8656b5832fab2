#include "base/list_columns.h"

#include <algorithm>
#include <cstdio>

#include "base/window_keys.h"

namespace klv {

std::string ColumnWidthKey(int index) {
    char key[32];
    std::snprintf(key, sizeof key, ini::kColWidthFormat, index);
    return key;
}

std::vector<int> ReadListColumnWidths(const ProfileFile& ini, const std::string& section,
                                      std::span<const ListColumn> columns) {
    std::vector<int> widths;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int w = ini.GetProfileInt(section, ColumnWidthKey(static_cast<int>(i)), -1);
        if (w == -1) {
            widths.clear();
            for (const auto& c : columns)
                widths.push_back(c.defaultWidth);
            return widths;
        }
        widths.push_back(std::clamp(w, kMinColumnWidth, kMaxColumnWidth));
    }
    return widths;
}

bool WriteListColumnWidths(ProfileFile& ini, const std::string& section,
                           std::span<const int> widths) {
    ProfileBatch batch(ini);
    bool ok = true;
    for (std::size_t i = 0; i < widths.size(); ++i)
        ok = ini.WriteProfileInt(section, ColumnWidthKey(static_cast<int>(i)), widths[i]) && ok;
    return batch.Commit() && ok;
}

}  // namespace klv
