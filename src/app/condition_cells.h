#pragma once

#include <array>
#include <string>

#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kConditionColumnCount = 8;
inline constexpr int kConditionLineCount = 6;

using ConditionCell = std::array<std::string, kConditionLineCount>;

// The texts of the main window's condition table, by column and line: the titles, one column
// per layer, and the base, unit, gasket and calibration of the condition. Without a condition
// (null) only the title columns are filled; without a calibration store the calibration
// lines stay empty.
std::array<ConditionCell, kConditionColumnCount> ConditionTableCells(
    const MeasFileData* d, const CalibrationStore* calibration);

}  // namespace klv
