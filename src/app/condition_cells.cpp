#include "app/condition_cells.h"

#include "base/fixed_text.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/unit_gasket_tables.h"
#include "results/calibration_date.h"
#include "results/layer_value_format.h"
#include "results/number_format.h"

namespace klv {
namespace {

constexpr int kFirstLayerColumn = 1;
constexpr int kLabelColumn = 6;
constexpr int kValueColumn = 7;

ConditionCell LayerCell(const MeasFileData& d, int k) {
    const LayerCondition& c = d.coat[k];
    const int mode = GetDisplayMode(d, k);
    const std::string unit = mode == 2 || mode == 3 ? "CNT" : std::string(GetUnitName(d.bUnit));
    return {GetCoatName(d, k),
            std::string(GetTestSolutionName(c.bSolution)),
            std::string(GetSensitivityName(c.bSensitivity)),
            std::string(GetRangeName(c.bRange)),
            std::to_string(c.bPump),
            FormatAutoStop(d, k) + " " + unit};
}

std::string CalibrationValue(const MeasFileData& d, const CalibrationStore& calibration) {
    if (FormatCalibrationDate(d, calibration).empty())
        return {};
    return FormatPercent(calibration.gasket[d.bGasket].fCalValue, false);
}

}  // namespace

std::array<ConditionCell, kConditionColumnCount> ConditionTableCells(
    const MeasFileData* d, const CalibrationStore* calibration) {
    std::array<ConditionCell, kConditionColumnCount> cells{};
    cells[0] = {"Coating", "Test solution", "Sensitivity", "Range", "Pump[Hz]", "Auto stop"};
    cells[kLabelColumn] = {"Base", "Unit", "Gasket", "Calibration date", "Calibration value", ""};
    if (d == nullptr)
        return cells;
    for (int k = 0; k < GetCoatCount(*d); ++k)
        cells[kFirstLayerColumn + k] = LayerCell(*d, k);
    ConditionCell& values = cells[kValueColumn];
    values[0] = GetFixedText(d->baseName);
    values[1] = std::string(GetUnitName(d->bUnit));
    values[2] = std::string(GetGasketName(d->bGasket));
    if (calibration != nullptr) {
        values[3] = FormatCalibrationDate(*d, *calibration);
        values[4] = CalibrationValue(*d, *calibration);
    }
    return cells;
}

}  // namespace klv
