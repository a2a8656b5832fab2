#pragma once

#include <array>
#include <string>

#include "base/list_columns.h"
#include "reference/calibration_due.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kChannelListColumnCount = 9;
inline constexpr int kChannelListLines = 4;

// Titles, alignment and default widths in dialog units.
extern const std::array<ListColumn, kChannelListColumnCount> kChannelListColumns;

// The cells of a channel's four-line row, lines joined by "\n"; without a condition (null)
// only "%2d:" in the file column. A due calibration date ends in " (due)".
std::array<std::string, kChannelListColumnCount> ChannelListCells(
    int index, const MeasFileData* d, const CalibrationStore& cal,
    const CalibrationSchedule* schedule = nullptr);
// A channel whose condition is there but cannot be read: its number and the read error.
std::array<std::string, kChannelListColumnCount> UnreadableChannelListCells(int index);

}  // namespace klv
