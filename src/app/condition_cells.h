#pragma once

#include <array>
#include <string>

#include "reference/calibration_due.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kConditionColumnCount = 8;
inline constexpr int kConditionLineCount = 6;

using ConditionCell = std::array<std::string, kConditionLineCount>;

// The texts of the main window's condition table, by column and line: the titles, one column
// per layer, and the base, unit, gasket and calibration of the condition. Without a condition
// (null) only the title columns are filled; without a calibration store the calibration
// lines stay empty; a due calibration date ends in " (due)".
std::array<ConditionCell, kConditionColumnCount> ConditionTableCells(
    const MeasFileData* d, const CalibrationStore* calibration,
    const CalibrationSchedule* schedule = nullptr);

}  // namespace klv
