#pragma once

#include <array>
#include <string>

#include "reference/calibration_due.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kLayerTextCount = 6;
inline constexpr int kSideTextCount = 5;

// Line by line: coating, test solution, sensitivity, range, pump and auto stop.
using LayerTexts = std::array<std::string, kLayerTextCount>;
// Line by line: base, unit, gasket, calibration date and calibration value.
using SideTexts = std::array<std::string, kSideTextCount>;

inline constexpr std::array<const char*, kLayerTextCount> kLayerTextCaptions = {
    "Coating", "Test solution", "Sensitivity", "Range", "Pump[Hz]", "Auto stop"};
inline constexpr std::array<const char*, kSideTextCount> kSideTextCaptions = {
    "Base", "Unit", "Gasket", "Calibration date", "Calibration value"};

// The unit a value of layer k is shown in: "CNT" where the layer counts (beside an alloy
// layer or with the WT gasket), else the condition's unit name.
std::string GetLayerUnitName(const MeasFileData& d, int k);

// The condition's texts of layer k, the auto stop followed by its unit.
LayerTexts MakeLayerTexts(const MeasFileData& d, int k);

// The condition's texts beside the layers. Without a calibration store, or when the gasket has
// no calibration, the calibration lines stay empty; a due calibration date ends in " (due)".
SideTexts MakeSideTexts(const MeasFileData& d, const CalibrationStore* calibration,
                        const CalibrationSchedule* schedule = nullptr);

}  // namespace klv
